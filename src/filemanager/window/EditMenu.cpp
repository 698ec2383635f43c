#include "filemanager/window/EditMenu.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EditMenu)
};
} // namespace

EditMenu::EditMenu(QWidget* owner, const QList<QLineEdit*>& fields)
    : QObject(owner), fields_(fields), menu_(new QMenu(owner)) {
    menu_->setObjectName(QStringLiteral("PopupMenu3"));
    auto add = [this](const char* name, const QString& caption, std::function<void(QLineEdit*)> op,
                      bool marks) {
        QAction* a = menu_->addAction(caption);
        a->setObjectName(QLatin1String(name));
        items_.insert(QLatin1String(name), a);
        connect(a, &QAction::triggered, this, [this, op, marks] { act(op, marks); });
    };
    add(
        "Undo1", Text::tr("Undo"), [](QLineEdit* f) { f->undo(); }, false);
    menu_->addSeparator();
    add(
        "Cut1", Text::tr("Cut"), [](QLineEdit* f) { f->cut(); }, true);
    add(
        "Copy1", Text::tr("Copy"), [](QLineEdit* f) { f->copy(); }, false);
    add(
        "Paste1", Text::tr("Paste"), [](QLineEdit* f) { f->paste(); }, true);
    add(
        "Delete1", Text::tr("Delete"), [](QLineEdit* f) { f->del(); }, true);
    menu_->addSeparator();
    add(
        "SelectAll1", Text::tr("Select All"), [](QLineEdit* f) { f->selectAll(); }, true);
    connect(menu_, &QMenu::aboutToShow, this, [this] { update(); });
    for (QLineEdit* f : fields_) {
        f->installEventFilter(this);
        f->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(f, &QLineEdit::textChanged, this, [this, f] { current_ = f; });
        connect(f, &QWidget::customContextMenuRequested, this,
                [this, f](const QPoint& at) { menu_->popup(f->mapToGlobal(at)); });
    }
}

QAction* EditMenu::item(const char* name) const {
    return items_.value(QLatin1String(name));
}

void EditMenu::clear() {
    current_ = nullptr;
    marks_.clear();
}

bool EditMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        if (auto* f = qobject_cast<QLineEdit*>(watched))
            current_ = f;
    return false;
}

void EditMenu::update() {
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    const bool clipText = clip && clip->hasText() && !clip->text().isEmpty();
    QLineEdit* f = current_;
    item("Undo1")->setEnabled(f && marks_.contains(f));
    for (const char* name : {"Cut1", "Copy1", "Delete1"})
        item(name)->setEnabled(f && f->hasSelectedText());
    item("Paste1")->setEnabled(f && clipText);
    item("SelectAll1")->setEnabled(f && !f->text().isEmpty());
}

void EditMenu::act(const std::function<void(QLineEdit*)>& op, bool marks) {
    if (!current_)
        return;
    // Cut and Paste change the text, which must not move the current edit.
    QLineEdit* f = current_;
    op(f);
    current_ = f;
    if (marks)
        marks_.insert(f);
}
