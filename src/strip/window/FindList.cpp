#include "strip/window/FindList.h"

#include "core/ButtonSlots.h"
#include "platform/ScreenGeometry.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

FindList::FindList(QWidget* strip)
    : QFrame(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
                          Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      strip_(strip) {
    setObjectName(QStringLiteral("FindList"));
    setWindowTitle(tr("Find a button"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setFont(strip->font());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    query_ = new QLabel(this);
    query_->setObjectName(QStringLiteral("FindQuery"));
    layout->addWidget(query_);
    rows_ = new QListWidget(this);
    rows_->setObjectName(QStringLiteral("FindRows"));
    rows_->setAccessibleName(tr("Find a button"));
    // The strip keeps the keys; the list only shows what they pick.
    rows_->setFocusPolicy(Qt::NoFocus);
    connect(rows_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit rowClicked(rows_->row(item)); });
    rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(rows_);
}

void FindList::showFound(const QString& query, const QList<FoundButton>& found, int picked) {
    query_->setText(found.isEmpty() ? tr("Find: %1 (no button matches)").arg(query)
                                    : tr("Find: %1").arg(query));
    rows_->clear();
    for (const FoundButton& b : found)
        rows_->addItem(buttonslots::spokenName(b.button, b.hint));
    rows_->setCurrentRow(picked);
    rows_->setVisible(!found.isEmpty());
    const int rowHeight =
        rows_->sizeHintForRow(0) > 0 ? rows_->sizeHintForRow(0) : fontMetrics().height() + 2;
    rows_->setFixedHeight(rowHeight * int(found.size()) + 2 * rows_->frameWidth());
    layout()->activate();
    resize(strip_->width(), sizeHint().height());
    follow();
    show();
    raise();
}

void FindList::follow() {
    move(screengeometry::underStrip(size(), strip_->frameGeometry(), screengeometry::screens()));
}

void FindList::hideFound() {
    hide();
}

FindList& LazyFindList::list() {
    if (!list_) {
        list_ = std::make_unique<FindList>(strip_);
        if (made_)
            made_(*list_);
    }
    return *list_;
}
