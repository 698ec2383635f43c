#include "strip/Placement.h"

#include "context/Prompts.h"
#include "context/ToolWindows.h"
#include "core/Error.h"
#include "platform/ScreenGeometry.h"
#include "platform/WindowStrut.h"
#include "strip/ShownSettings.h"
#include "strip/StripView.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Placement)
};
} // namespace

Placement::Placement(StripView& view, ShownSettings& settings, Prompts& prompts)
    : view_(view), settings_(settings), prompts_(prompts) {}

int Placement::leftEdge() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry().left() : 0;
}

int Placement::edgeLeft() const {
    return edgeLeftAt(view_.stripPos().y());
}

int Placement::edgeLeftAt(int top) const {
    // The edge of the screens in the strip's own row: with screens of
    // different sizes side by side, the desktop's left edge differs by row.
    const int row = top + view_.stripSize().height() / 2;
    return screengeometry::leftEdgeAt(row, screengeometry::screens(), leftEdge());
}

bool Placement::isOnScreen() const {
    return view_.stripPos().x() > edgeLeft() + 1;
}

QPoint Placement::centredPosition() const {
    const QRect desk = screengeometry::screenFor(QRect(view_.stripPos(), view_.stripFrameSize()),
                                                 screengeometry::screens());
    if (desk.isEmpty())
        return QPoint(0, 0);
    const QSize size = view_.stripFrameSize();
    return QPoint(desk.x() + (desk.width() - size.width()) / 2,
                  desk.y() + (desk.height() - size.height()) / 2);
}

void Placement::keepOnScreens() {
    const QRect strip(view_.stripPos(), view_.stripFrameSize());
    const QList<QRect> screens = screengeometry::screens();
    if (hidden_) {
        const QRect end = strip.adjusted(HiddenOffset, 0, 0, 0);
        const int y = screengeometry::ontoOneScreen(end, screens).y();
        if (QPoint(edgeLeftAt(y) - HiddenOffset, y) != strip.topLeft())
            hideAt(y);
        return;
    }
    const QPoint onto = screengeometry::ontoOneScreen(strip, screens);
    if (onto != strip.topLeft())
        view_.moveStrip(onto);
}

void Placement::tellMoved() const {
    if (ToolWindows* tools = tools_ ? tools_() : nullptr)
        tools->stripMoved(view_.stripPos());
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
    view_.moveStrip(view_.stripPos() + (pos - dragOrigin_));
}

void Placement::ImageMoveMouseUp() {
    dragging_ = false;
    SavePosition();
}

// --- position -------------------------------------------------------------

void Placement::SavePosition() {
    settings_.setPosition(view_.stripPos());
    tellMoved();
}

bool Placement::RestorePosition() {
    return settings_.applyPosition();
}

void Placement::HideStrip() {
    setHideBarRed(true);
    hideAt(view_.stripPos().y());
}

void Placement::hideAt(int y) {
    hidden_ = true;
    // The visible end claims its pixels first: window managers otherwise keep a
    // tenth of a normal window on screen, which would leave buttons there.
    const QSize size = view_.stripSize();
    const int edge = edgeLeftAt(y);
    // The reservation is measured from the left of the whole desktop.
    windowstrut::reserveLeft(view_.stripHandle(), edge - leftEdge() + size.width() - HiddenOffset,
                             y, y + size.height() - 1);
    view_.moveStrip(QPoint(edge - HiddenOffset, y));
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
    return view_.hideBarRed();
}

void Placement::setHideBarRed(bool red) {
    view_.setHideBarRed(red);
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
        view_.setHideBarHint(Text::tr("Click to Hide"));
        return;
    }
    returnFromEdge();
}

void Placement::bringBack() {
    if (!isOnScreen())
        returnFromEdge();
}

void Placement::returnFromEdge() {
    windowstrut::clear(view_.stripHandle());
    hidden_ = false;
    bool restored = false;
    try {
        restored = RestorePosition();
    } catch (const ConversionError& e) {
        // Shown once: the strip then comes back to the centre, so the next
        // move over the bar finds it on screen instead of failing again.
        prompts_.error(view_.owner(), e.text());
    }
    if (restored)
        keepOnScreens(); // a screen may have gone since the place was saved
    else
        view_.moveStrip(centredPosition());
    tellMoved();
    setHideBarRed(false);
}

void Placement::LabelHideClick() {
    HideStrip();
}
