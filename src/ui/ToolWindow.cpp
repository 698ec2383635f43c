#include "ui/ToolWindow.h"

#include "platform/CompositorIpc.h"
#include "platform/ScreenGeometry.h"
#include "platform/WindowRole.h"

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <iterator>
#include <optional>

namespace toolwindow {

namespace {

thread_local int deferring = 0;
std::function<QRect()> stripArea;
std::function<QWidget*()> owner;
// Room for the title bar and borders the window manager adds to a window
// not yet shown, whose frame Qt does not know.
constexpr int DecorationAllowance = 32;

const char* const PlacedProperty = "tabdeckPlacedBesideStrip";

// The frame a window is about to show with: its layout settled first, as
// showing it would (a translation's longer texts make a window larger than
// it was made), with room for the title bar and borders while the window
// manager has not framed it yet.
QSize frameToShow(QWidget* window) {
    window->ensurePolished();
    if (QLayout* layout = window->layout())
        layout->activate();
    QSize frame = window->frameGeometry().size();
    if (frame == window->size() && !(window->windowFlags() & Qt::FramelessWindowHint))
        frame += QSize(0, DecorationAllowance);
    return frame;
}

// Where a window of that frame opens beside the strip: clear of it, and off
// any other tool window already standing there (same size, same place).
QPoint placeFor(QWidget* window, QSize frame, const QRect& strip) {
    const QList<QRect> screens = screengeometry::screens();
    const QPoint beside = screengeometry::besideStrip(frame, strip, screens);
    QList<QRect> open;
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && other->property(PlacedProperty).toBool())
            open << other->frameGeometry();
    return screengeometry::apart(beside, frame, open, strip,
                                 screengeometry::screenFor(strip, screens));
}

// Reads back where a window placed beside the strip came to stand once the
// window manager has framed it: one that covers the strip after all (a frame
// larger than allowed for, or moved by the window manager) is placed anew
// with its real frame, once. A compositor that put it elsewhere, ignoring
// every move (sway centres each one, so two would stand on each other), is
// asked its own way to put it where it was placed.
class PlacementCheck : public QObject {
public:
    PlacementCheck(QWidget* window, QPoint asked)
        : QObject(window), window_(window), asked_(asked) {
        window->installEventFilter(this);
        // The window manager frames a window within moments of its showing,
        // and the frame's size may come without an event of the window's.
        for (const int ms : {50, 250, 1000})
            QTimer::singleShot(ms, this, &PlacementCheck::check);
        QTimer::singleShot(1500, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ &&
            (event->type() == QEvent::Expose || event->type() == QEvent::Move ||
             event->type() == QEvent::Resize))
            check();
        return QObject::eventFilter(watched, event);
    }

private:
    void check() {
        if (done_ || !window_->isVisible())
            return;
        const QRect strip = stripArea ? stripArea() : QRect();
        const QRect frame = window_->frameGeometry();
        const bool coversStrip = !strip.isEmpty() && frame.intersects(strip);
        if (!coversStrip && frame.topLeft() == asked_)
            return;
        const QPoint at = coversStrip ? placeFor(window_, frame.size(), strip) : asked_;
        if (at == frame.topLeft())
            return;
        if (!askedCompositor_ && compositoripc::moveWindow(window_->winId(), at)) {
            // Once; its answer comes as a move of the window, read back here.
            askedCompositor_ = true;
            asked_ = at;
            return;
        }
        // Elsewhere, where the window manager put it, the window stays.
        if (askedCompositor_ || !coversStrip)
            return;
        // Once: after that the window stays where the user puts it.
        done_ = true;
        window_->removeEventFilter(this);
        deleteLater();
        window_->move(at);
    }

    QWidget* window_;
    QPoint asked_;
    bool askedCompositor_ = false;
    bool done_ = false;
};

void placeBesideStrip(QWidget* window) {
    if (!stripArea || window->property(PlacedProperty).toBool())
        return;
    window->setProperty(PlacedProperty, true);
    const QRect strip = stripArea();
    if (strip.isEmpty())
        return;
    const QPoint at = placeFor(window, frameToShow(window), strip);
    window->move(at);
    new PlacementCheck(window, at);
}

// Reads back a borderless follower's place moments after its showing; see
// keepPlaceAsked.
class PlaceAskedCheck : public QObject {
public:
    PlaceAskedCheck(QWidget* window, QRect asked)
        : QObject(window), window_(window), asked_(asked) {
        for (const int ms : {100, 400, 1000})
            QTimer::singleShot(ms, this, &PlaceAskedCheck::check);
        QTimer::singleShot(1100, this, &QObject::deleteLater);
    }

private:
    void check() {
        const std::optional<QRect> placed = windowrole::placed(window_->windowHandle());
        if (!placed || !window_->isVisible() || *placed == asked_ ||
            window_->windowFlags().testFlag(Qt::X11BypassWindowManagerHint))
            return;
        window_->setWindowFlag(Qt::X11BypassWindowManagerHint, true);
        window_->setGeometry(asked_); // a tiling compositor resizes it too
        window_->show();
        deleteLater();
    }

    QWidget* window_;
    QRect asked_;
};

// A dialog of the strip, kept with it: transient for it.
void attachToOwner(QWidget* window) {
    QWidget* strip = owner ? owner() : nullptr;
    if (!strip || strip == window || (window->windowFlags() & Qt::FramelessWindowHint))
        return;
    window->winId();
    strip->winId();
    if (QWindow* handle = window->windowHandle())
        handle->setTransientParent(strip->windowHandle());
}

// A window's build steps not yet run, kept as the window's child until the
// last one runs.
class PendingBuild : public QObject {
    Q_OBJECT
public:
    PendingBuild(QWidget* window, std::vector<std::function<void()>> steps)
        : QObject(window),
          steps(std::make_move_iterator(steps.begin()), std::make_move_iterator(steps.end())) {}
    std::deque<std::function<void()>> steps;
    bool running = false;
};

// Marks a step as running while it runs, also when it throws.
class RunningStep {
public:
    explicit RunningStep(PendingBuild& pending) : pending_(pending) { pending_.running = true; }
    ~RunningStep() { pending_.running = false; }
    RunningStep(const RunningStep&) = delete;
    RunningStep& operator=(const RunningStep&) = delete;

private:
    PendingBuild& pending_;
};

// Item views announce a new current row as the screen reader's focus even
// in a window never shown, as the tool windows' lists are filled while they
// build hidden or re-read: such announcements are dropped here, the rest go
// on to the handler installed before, or to the platform.
QAccessible::UpdateHandler nextUpdateHandler = nullptr;

void dropFocusOfHidden(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) {
        QObject* source = event->object();
        if (!source && event->accessibleInterface())
            source = event->accessibleInterface()->object();
        if (auto* widget = qobject_cast<QWidget*>(source); widget && !widget->isVisible())
            return;
    }
    if (nextUpdateHandler) {
        nextUpdateHandler(event);
        return;
    }
    // The platform hears of an event when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(dropFocusOfHidden);
}

void keepHiddenWindowsQuiet() {
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler(dropFocusOfHidden);
    if (previous != dropFocusOfHidden)
        nextUpdateHandler = previous;
}

PendingBuild* pendingOf(const QWidget* window) {
    return window->findChild<PendingBuild*>(QString(), Qt::FindDirectChildrenOnly);
}
// The simple panel, its message elided to the room it has.
class ElidingStatusBar : public QStatusBar {
public:
    using QStatusBar::QStatusBar;

    QRect messageRect() const {
        const int grip = isSizeGripEnabled() ? 16 : 0;
        return rect().adjusted(6, 0, -6 - grip, 0);
    }

protected:
    // A hint left from the window's last showing is stale when it shows again.
    void showEvent(QShowEvent* event) override {
        if (!event->spontaneous())
            clearMessage();
        QStatusBar::showEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        if (currentMessage().isEmpty()) {
            QStatusBar::paintEvent(event);
            return;
        }
        QPainter p(this);
        p.setPen(palette().windowText().color());
        p.drawText(messageRect(), Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine,
                   shownMessage(*this));
    }
};

// Watches a tool bar's width; see keepButtonsReachable.
class ButtonReach : public QObject {
public:
    explicit ButtonReach(QToolBar* bar) : QObject(bar), bar_(bar) { bar->installEventFilter(this); }

    void fit() {
        QList<QToolButton*> buttons;
        int need = 0;
        for (QAction* action : bar_->actions()) {
            auto* button = qobject_cast<QToolButton*>(bar_->widgetForAction(action));
            if (action->isSeparator() || !button)
                need +=
                    bar_->style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, nullptr, bar_);
            if (!button || button->toolButtonStyle() == Qt::ToolButtonIconOnly)
                continue;
            buttons << button;
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            need += button->sizeHint().width();
        }
        const QMargins m = bar_->contentsMargins();
        const int spacing = bar_->layout() ? bar_->layout()->spacing() : 0;
        need += m.left() + m.right() + spacing * std::max(0, int(bar_->actions().size()) - 1);
        if (need > bar_->contentsRect().width() + m.left() + m.right())
            for (QToolButton* button : buttons)
                button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == bar_ && event->type() == QEvent::Resize)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    QToolBar* bar_;
};

} // namespace

void setUp(QWidget* window, const QString& objectName, const QString& caption, QSize client,
           Border border) {
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    // A dialog, not a document window: tiling window managers float it.
    Qt::WindowFlags flags = Qt::Dialog;
    switch (border) {
    case Border::Sizeable:
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint;
        window->resize(client);
        break;
    case Border::Fixed:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
        window->setFixedSize(client);
        break;
    case Border::FixedNoClose:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
        window->resize(client);
        break;
    case Border::Dialog:
        flags =
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        window->setFixedSize(client);
        break;
    case Border::None:
        // A utility window travelling with the strip.
        flags = Qt::Tool | Qt::FramelessWindowHint;
        window->setFixedSize(client);
        break;
    }
    window->setWindowFlags(flags);
    centre(window);
}

QStatusBar* addStatusBar(QWidget* window, bool sizeGrip) {
    auto* layout = qobject_cast<QVBoxLayout*>(window->layout());
    if (!layout) {
        layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addStretch(1);
    }
    auto* bar = new ElidingStatusBar(window);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(sizeGrip);
    QFont f(QStringLiteral("Tahoma"));
    f.setBold(true);
    bar->setFont(f);
    layout->addWidget(bar);
    return bar;
}

void keepButtonsReachable(QToolBar* bar) {
    (new ButtonReach(bar))->fit();
}

QString shownMessage(const QStatusBar& bar) {
    const auto* eliding = dynamic_cast<const ElidingStatusBar*>(&bar);
    if (!eliding)
        return bar.currentMessage();
    return bar.fontMetrics().elidedText(bar.currentMessage(), Qt::ElideRight,
                                        eliding->messageRect().width());
}

void centre(QWidget* window) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        window->move(g.left() + (g.width() - window->width()) / 2,
                     g.top() + (g.height() - window->height()) / 2);
    }
}

void setStripArea(std::function<QRect()> area) {
    stripArea = std::move(area);
}

void setOwner(std::function<QWidget*()> strip) {
    owner = std::move(strip);
}

void keepPlaceAsked(QWidget* window) {
    if (!window->windowFlags().testFlag(Qt::X11BypassWindowManagerHint))
        new PlaceAskedCheck(window, window->geometry());
}

void present(QWidget* window) {
    ensureBuilt(window);
    // Once, at the first showing: after that the window stays where the user put it.
    if (!window->isVisible()) {
        attachToOwner(window);
        placeBesideStrip(window);
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show(); // modeless: the strip goes on at once
    window->raise();
    window->activateWindow();
}

void buildOrDefer(QWidget* window, std::vector<std::function<void()>> steps) {
    keepHiddenWindowsQuiet();
    if (deferring > 0 && !steps.empty()) {
        new PendingBuild(window, std::move(steps));
        return;
    }
    for (const std::function<void()>& step : steps)
        step();
}

void buildOrDefer(QWidget* window, std::function<void()> build) {
    buildOrDefer(window, std::vector<std::function<void()>>{std::move(build)});
}

bool buildStep(QWidget* window) {
    PendingBuild* pending = window ? pendingOf(window) : nullptr;
    // A step that asks for its own window finds nothing to run: the steps
    // after it run after it.
    if (!pending || pending->running)
        return false;
    const std::function<void()> step = std::move(pending->steps.front());
    pending->steps.pop_front();
    if (pending->steps.empty()) {
        delete pending;
        step();
        return true;
    }
    const RunningStep running(*pending);
    step();
    return true;
}

bool ensureBuilt(QWidget* window) {
    bool ran = false;
    while (buildStep(window))
        ran = true;
    return ran;
}

bool isBuilt(const QWidget* window) {
    return !pendingOf(window);
}

DeferredBuilds::DeferredBuilds() {
    ++deferring;
}

DeferredBuilds::~DeferredBuilds() {
    --deferring;
}

void keepAbove(QWidget& dialog, QWidget* asker) {
    if (asker)
        asker = asker->window();
    if (asker == &dialog)
        asker = nullptr;
    const bool onTop = asker && asker->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    // A change of flags re-creates the native window, so it comes first.
    if (dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    dialog.winId();
    QWindow* above = asker ? asker->windowHandle() : nullptr;
    if (QWindow* handle = dialog.windowHandle())
        handle->setTransientParent(above);
}

} // namespace toolwindow

#include "ToolWindow.moc"
