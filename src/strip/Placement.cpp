#include "strip/Placement.h"

#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "core/StripSettings.h"
#include "platform/WindowStrut.h"
#include "strip/TForm1.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

namespace {} // namespace

Placement::Placement(QWidget* strip, ControlFile& controlFile, Prompts& prompts, StripState& state,
                     QObject* parent)
    : QObject(parent), strip_(strip), file_(controlFile), prompts_(prompts), state_(state) {}

void Placement::attach() {
    moveHandle_ = strip_->findChild<QWidget*>(QStringLiteral("ImageMove"));
    hideBar_ = strip_->findChild<QWidget*>(QStringLiteral("LabelHide"));
    if (moveHandle_)
        moveHandle_->installEventFilter(this);
    if (hideBar_) {
        // Moves over the bar without a button held must arrive too: they bring the strip back.
        hideBar_->setMouseTracking(true);
        hideBar_->installEventFilter(this);
    }
    connectMenu();
}

void Placement::connectMenu() {
    auto* close1 = strip_->findChild<QAction*>(QStringLiteral("Close1"));
    auto* hide1 = strip_->findChild<QAction*>(QStringLiteral("Hide1"));
    if (close1 && close1 != close1_) {
        close1_ = close1;
        connect(close1_, &QAction::triggered, this,
                actionguard::guarded(prompts_, strip_, [this] { Close1Click(); }));
    }
    if (hide1 && hide1 != hide1_) {
        hide1_ = hide1;
        connect(hide1_, &QAction::triggered, this,
                actionguard::guarded(prompts_, strip_, [this] { Hide1Click(); }));
    }
}

int Placement::leftEdge() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry().left() : 0;
}

bool Placement::isOnScreen() const {
    return strip_->x() > leftEdge() + 1;
}

QPoint Placement::centredPosition() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint(0, 0);
    const QRect desk = screen->geometry();
    const QSize size = strip_->frameGeometry().size();
    return QPoint(desk.x() + (desk.width() - size.width()) / 2,
                  desk.y() + (desk.height() - size.height()) / 2);
}

void Placement::tellMoved() const {
    if (ToolWindows* tools = tools_ ? tools_() : nullptr)
        tools->stripMoved(strip_->pos());
}

QWidget* Placement::hideBar() const {
    return hideBar_ ? hideBar_ : strip_->findChild<QWidget*>(QStringLiteral("LabelHide"));
}

// --- dragging -------------------------------------------------------------

void Placement::ImageMoveMouseDown(const QPoint& pos) {
    dragging_ = true;
    dragOrigin_ = pos;
}

void Placement::ImageMoveMouseMove(const QPoint& pos) {
    if (!dragging_)
        return;
    // Moving by the pointer's offset from the grabbed point keeps that point under the pointer.
    const int left = strip_->x() + (pos.x() - dragOrigin_.x());
    const int top = strip_->y() + (pos.y() - dragOrigin_.y());
    strip_->move(left, top);
}

void Placement::ImageMoveMouseUp() {
    dragging_ = false;
    SavePosition();
}

// --- position -------------------------------------------------------------

void Placement::SavePosition() {
    const int left = strip_->x();
    const int top = strip_->y();
    StripSettings(file_).setPosition(QPoint(left, top));
    tellMoved();
}

bool Placement::RestorePosition() {
    bool any = false;
    const StripSettings settings(file_);
    if (const std::optional<int> top = settings.top()) {
        strip_->move(strip_->x(), *top);
        any = true;
    }
    if (const std::optional<int> left = settings.left()) {
        strip_->move(*left, strip_->y());
        any = true;
    }
    return any;
}

void Placement::HideStrip() {
    setHideBarRed(true);
    // The visible end claims its pixels first: window managers otherwise keep a
    // tenth of a normal window on screen, which would leave buttons there.
    windowstrut::reserveLeft(strip_->windowHandle(), strip_->width() - HiddenOffset, strip_->y(),
                             strip_->y() + strip_->height() - 1);
    strip_->move(hiddenLeft(), strip_->y());
    tellMoved();
}

void Placement::closingPlacement() {
    if (isOnScreen())
        SavePosition();
    else
        RestorePosition();
}

// --- hide bar ---------------------------------------------------------------

bool Placement::hideBarRed() const {
    const QWidget* bar = hideBar();
    return bar && bar->autoFillBackground() &&
           bar->palette().color(bar->backgroundRole()) == QColor(Qt::red);
}

void Placement::setHideBarRed(bool red) {
    QWidget* bar = hideBar();
    if (!bar)
        return;
    if (red) {
        QPalette pal = bar->palette();
        pal.setColor(bar->backgroundRole(), QColor(Qt::red));
        bar->setPalette(pal);
    }
    // Without its own background the bar shows the panel below it.
    bar->setAutoFillBackground(red);
    bar->update();
}

void Placement::LabelHideMouseEnter() {
    setHideBarRed(true);
}

void Placement::LabelHideMouseLeave() {
    if (isOnScreen())
        setHideBarRed(false);
}

void Placement::LabelHideMouseMove() {
    if (isOnScreen()) {
        if (QWidget* bar = hideBar())
            bar->setToolTip(QStringLiteral("Click to Hide"));
        return;
    }
    returnFromEdge();
}

void Placement::returnFromEdge() {
    windowstrut::clear(strip_->windowHandle());
    bool restored = false;
    try {
        restored = RestorePosition();
    } catch (const ConversionError& e) {
        // Shown once: the strip then comes back to the centre, so the next
        // move over the bar finds it on screen instead of failing again.
        prompts_.error(strip_, e.text());
    }
    if (!restored)
        strip_->move(centredPosition());
    tellMoved();
    setHideBarRed(false);
}

void Placement::LabelHideClick() {
    HideStrip();
}

// --- Close/Hide ---------------------------------------------------------------

void Placement::showHideMode() {
    if (!close1_ || !hide1_)
        connectMenu();
    if (close1_)
        close1_->setEnabled(state_.hideMode);
    if (hide1_)
        hide1_->setEnabled(!state_.hideMode);
}

void Placement::Close1Click() {
    state_.hideMode = false;
    StripSettings(file_).setHideMode(false);
    showHideMode();
}

void Placement::Hide1Click() {
    state_.hideMode = true;
    StripSettings(file_).setHideMode(true);
    showHideMode();
}

// --- events -------------------------------------------------------------------

bool Placement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == moveHandle_ && moveHandle_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(event);
            const QPoint pos = me->position().toPoint();
            // The press grabs the pointer for the handle (the window system's and
            // the toolkit's implicit grab), so moves outside it still arrive here.
            actionguard::run(prompts_, strip_, [&] { ImageMoveMouseDown(pos); });
            break;
        }
        case QEvent::MouseMove: {
            auto* me = static_cast<QMouseEvent*>(event);
            // Measured from the handle's place now, not where it stood when the
            // event was made, so a move already applied is not applied twice.
            const QPoint pos = me->globalPosition().toPoint() - moveHandle_->mapToGlobal(QPoint());
            actionguard::run(prompts_, strip_, [&] { ImageMoveMouseMove(pos); });
            break;
        }
        case QEvent::MouseButtonRelease: {
            actionguard::run(prompts_, strip_, [&] { ImageMoveMouseUp(); });
            break;
        }
        default:
            break;
        }
        return false;
    }
    if (watched == hideBar_ && hideBar_) {
        switch (event->type()) {
        case QEvent::Enter:
            actionguard::run(prompts_, strip_, [&] { LabelHideMouseEnter(); });
            break;
        case QEvent::Leave:
            actionguard::run(prompts_, strip_, [&] { LabelHideMouseLeave(); });
            break;
        case QEvent::MouseMove:
            actionguard::run(prompts_, strip_, [&] { LabelHideMouseMove(); });
            break;
        case QEvent::MouseButtonPress:
            hideBarPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            break;
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            const bool click = hideBarPressed_ && me->button() == Qt::LeftButton &&
                               hideBar_->rect().contains(me->position().toPoint());
            hideBarPressed_ = false;
            if (click)
                actionguard::run(prompts_, strip_, [&] { LabelHideClick(); });
            break;
        }
        default:
            break;
        }
        return false;
    }
    return QObject::eventFilter(watched, event);
}
