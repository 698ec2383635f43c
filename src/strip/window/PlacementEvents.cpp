#include "strip/window/PlacementEvents.h"

#include "strip/Placement.h"
#include "strip/window/StripControls.h"
#include "ui/ActionGuard.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

PlacementEvents::PlacementEvents(StripControls& view, Placement& placement, Prompts& prompts,
                                 QObject* parent)
    : QObject(parent), view_(view), placement_(placement), prompts_(prompts) {}

void PlacementEvents::attach() {
    view_.imageMove()->installEventFilter(this);
    // Moves over the bar without a button held must arrive too: they bring the strip back.
    view_.labelHide()->setMouseTracking(true);
    view_.labelHide()->installEventFilter(this);
    // A screen that comes, goes or changes its size or scale may leave the
    // strip off it. Queued: a screen going is still listed while it goes.
    for (QScreen* screen : QGuiApplication::screens())
        watchScreen(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watchScreen(screen);
        keepOnScreensLater();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &PlacementEvents::keepOnScreensLater);
}

void PlacementEvents::watchScreen(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, &PlacementEvents::keepOnScreensLater);
}

void PlacementEvents::keepOnScreensLater() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            actionguard::run(prompts_, view_.stripWindow(), [&] { placement_.keepOnScreens(); });
        },
        Qt::QueuedConnection);
}

bool PlacementEvents::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_.imageMove())
        return moveHandleEvent(event);
    if (watched == view_.labelHide())
        return hideBarEvent(event);
    return QObject::eventFilter(watched, event);
}

bool PlacementEvents::moveHandleEvent(QEvent* event) {
    QWidget* strip = view_.stripWindow();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        // The press grabs the pointer for the handle (the window system's and
        // the toolkit's implicit grab), so moves outside it still arrive here.
        actionguard::run(prompts_, strip, [&] { placement_.beginDrag(pos); });
        break;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        // Measured from the handle's place now, not where it stood when the
        // event was made, so a move already applied is not applied twice.
        const QPoint pos =
            me->globalPosition().toPoint() - view_.imageMove()->mapToGlobal(QPoint());
        actionguard::run(prompts_, strip, [&] { placement_.dragTo(pos); });
        break;
    }
    case QEvent::MouseButtonRelease:
        actionguard::run(prompts_, strip, [&] { placement_.endDrag(); });
        break;
    default:
        break;
    }
    return false;
}

bool PlacementEvents::hideBarEvent(QEvent* event) {
    QWidget* strip = view_.stripWindow();
    switch (event->type()) {
    case QEvent::Enter:
        actionguard::run(prompts_, strip, [&] { placement_.markHideBar(); });
        break;
    case QEvent::Leave:
        actionguard::run(prompts_, strip, [&] { placement_.unmarkHideBar(); });
        break;
    case QEvent::MouseMove:
        actionguard::run(prompts_, strip, [&] { placement_.touchHideBar(); });
        break;
    case QEvent::MouseButtonPress:
        hideBarPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        const bool click = hideBarPressed_ && me->button() == Qt::LeftButton &&
                           view_.labelHide()->rect().contains(me->position().toPoint());
        hideBarPressed_ = false;
        if (click)
            actionguard::run(prompts_, strip, [&] { placement_.hideStrip(); });
        break;
    }
    default:
        break;
    }
    return false;
}
