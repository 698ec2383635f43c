#include "strip/Placement.h"

#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "core/Error.h"
#include "platform/WindowStrut.h"
#include "strip/ShownSettings.h"
#include "strip/StripView.h"
#include "ui/ActionGuard.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

Placement::Placement(StripView& view, ShownSettings& settings, Prompts& prompts, QObject* parent)
    : QObject(parent), strip_(view.stripWindow()), settings_(settings), prompts_(prompts),
      moveHandle_(view.imageMove()), hideBar_(view.labelHide()) {}

void Placement::attach() {
    moveHandle_->installEventFilter(this);
    // Moves over the bar without a button held must arrive too: they bring the strip back.
    hideBar_->setMouseTracking(true);
    hideBar_->installEventFilter(this);
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
    settings_.setPosition(strip_->pos());
    tellMoved();
}

bool Placement::RestorePosition() {
    return settings_.applyPosition();
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
    const QWidget* bar = hideBar_;
    return bar->autoFillBackground() &&
           bar->palette().color(bar->backgroundRole()) == QColor(Qt::red);
}

void Placement::setHideBarRed(bool red) {
    QWidget* bar = hideBar_;
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
        hideBar_->setToolTip(QStringLiteral("Click to Hide"));
        return;
    }
    returnFromEdge();
}

void Placement::bringBack() {
    if (!isOnScreen())
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

// --- events -------------------------------------------------------------------

bool Placement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == moveHandle_) {
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
    if (watched == hideBar_) {
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
