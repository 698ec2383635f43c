#include "strip/window/ButtonDrag.h"

#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "strip/ButtonArrange.h"
#include "strip/StripMenus.h"
#include "strip/window/ButtonHandler.h"
#include "strip/window/StripControls.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {
// A button carried within this program: its number.
const QString ButtonFormat = QStringLiteral("application/x-tabdeckv10-button");

bool within(const QWidget* w, const QWidget* area, const QWidget* top) {
    for (; w && w != top; w = w->parentWidget())
        if (w == area)
            return true;
    return false;
}
} // namespace

ButtonDrag::ButtonDrag(StripControls& view, ButtonArrange& arrange, ControlFile& file,
                       Prompts& prompts, ButtonHandler& handler, TablesMenu tablesMenu,
                       QObject* parent)
    : QObject(parent), view_(view), arrange_(arrange), file_(file), prompts_(prompts),
      handler_(handler), tablesMenu_(std::move(tablesMenu)) {
    for (int t = 1; t <= buttonslots::TableCount; ++t)
        if (view_.tableMade(t))
            attachTable(t);
    view_.stripWindow()->installEventFilter(this);
}

void ButtonDrag::attachTable(int t) {
    const int first = buttonslots::firstButtonOfTable(t);
    for (int n = first; n < first + buttonslots::ButtonsPerTable; ++n) {
        QWidget* img = view_.buttonPicture(n);
        // Installed after the button handler's, so it sees a move first.
        img->installEventFilter(this);
        pictures_.insert(img, n);
        panels_.insert(view_.buttonPanel(n), n);
    }
}

bool ButtonDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_.stripWindow())
        return stripEvent(event);
    if (const auto it = pictures_.constFind(watched); it != pictures_.constEnd())
        return pictureEvent(it.value(), event);
    return QObject::eventFilter(watched, event);
}

bool ButtonDrag::pictureEvent(int n, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(event);
        pressed_ = me->button() == Qt::LeftButton ? n : 0;
        pressedAt_ = me->globalPosition().toPoint();
        return false;
    }
    case QEvent::MouseButtonRelease:
        pressed_ = 0;
        return false;
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (pressed_ != n || !(me->buttons() & Qt::LeftButton))
            return false;
        const int distance = QGuiApplication::styleHints()->startDragDistance();
        if ((me->globalPosition().toPoint() - pressedAt_).manhattanLength() < distance)
            return false;
        pressed_ = 0;
        actionguard::run(prompts_, view_.stripWindow(), [&] {
            handler_.pressBecameDrag();
            // An empty button has nothing to carry: the press only ends.
            if (ButtonSlotSettings(file_).target(n).isSet())
                startDrag(n);
        });
        return true;
    }
    default:
        return false;
    }
}

void ButtonDrag::startDrag(int n) {
    const QString target = ButtonSlotSettings(file_).target(n).text;
    auto* data = new QMimeData;
    data->setData(ButtonFormat, QByteArray::number(n));
    const QList<QUrl> urls = ButtonArrange::offerFor(target);
    if (!urls.isEmpty())
        data->setUrls(urls);
    data->setText(target);
    QWidget* picture = view_.buttonPicture(n);
    auto* drag = new QDrag(picture);
    drag->setMimeData(data);
    drag->setPixmap(picture->grab());
    drag->setHotSpot(picture->mapFromGlobal(pressedAt_));
    dropOn_ = 0;
    dropOnTables_ = false;
    // Never Move: a drop site that honours it would remove the user's file.
    drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
    // The strip's own drop is carried out once the drag is over; the boxes
    // it may show never run inside it.
    const int to = std::exchange(dropOn_, 0);
    const bool tables = std::exchange(dropOnTables_, false);
    QTimer::singleShot(0, this, [this, n, to, tables] {
        actionguard::run(prompts_, view_.stripWindow(), [&] {
            if (to)
                arrange_.swap(n, to);
            else if (tables)
                chooseTable(n);
        });
    });
}

bool ButtonDrag::stripEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* de = static_cast<QDropEvent*>(event);
    // Only a drag of one of our buttons; files and other programs' drags are StripDrops'.
    if (!de->mimeData()->hasFormat(ButtonFormat) || !pictures_.contains(de->source()))
        return false;
    const int from = pictures_.value(de->source());
    const QPoint pos = de->position().toPoint();
    const int on = buttonAt(pos);
    const bool tables = tablesPlaceAt(pos);
    // Entering is always taken: only then does the strip hear of the moves.
    if (type == QEvent::DragEnter || (on && on != from) || tables) {
        de->setDropAction(Qt::CopyAction);
        de->accept();
    } else {
        de->ignore();
    }
    if (type == QEvent::Drop && de->isAccepted()) {
        dropOn_ = on != from ? on : 0;
        dropOnTables_ = tables;
    }
    return true;
}

int ButtonDrag::buttonAt(QPoint pos) const {
    QWidget* strip = view_.stripWindow();
    // The panel's one-pixel rim around the picture counts as the button too.
    for (QWidget* w = strip->childAt(pos); w && w != strip; w = w->parentWidget())
        if (const int n = pictures_.value(w, panels_.value(w, 0)))
            return n;
    return 0;
}

bool ButtonDrag::tablesPlaceAt(QPoint pos) const {
    const QWidget* w = view_.stripWindow()->childAt(pos);
    return within(w, view_.label1(), view_.stripWindow()) ||
           within(w, view_.imageMove(), view_.stripWindow());
}

void ButtonDrag::chooseTable(int n) {
    QMenu* menu = tablesMenu_();
    if (!menu)
        return;
    if (menuWatched_ != menu) {
        menuWatched_ = menu;
        // The menu's own items show the table chosen; the button follows.
        connect(menu, &QMenu::triggered, this, [this](QAction* action) {
            const int n = std::exchange(moving_, 0);
            const auto& items = view_.menus().tableA;
            const auto it = std::find(items.begin() + 1, items.end(), action);
            if (n && it != items.end())
                actionguard::run(prompts_, view_.stripWindow(),
                                 [&] { arrange_.moveToTable(n, int(it - items.begin())); });
        });
        // Closed without a table: a later right click on the handle is only a menu.
        connect(menu, &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, [this] { moving_ = 0; }); });
    }
    moving_ = n;
    QLabel* label = view_.label1();
    menu->popup(label->mapToGlobal(QPoint(0, label->height())));
}
