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
    return !view_.stripNarrowed() && view_.stripPos().x() > edgeLeft() + 1;
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
    if (onto == strip.topLeft())
        return;
    view_.moveStrip(onto);
    // What goes along with the strip follows it to the place it reached.
    view_.awaitPlace(QRect(onto, view_.stripSize()), [this](QRect) { tellMoved(); });
}

void Placement::confirmFirstPlace() {
    const QPoint asked = view_.stripPos();
    view_.awaitPlace(QRect(asked, view_.stripSize()), [this, asked](QRect placed) {
        if (placed.topLeft() == asked || view_.stripUnmanaged())
            return;
        // Moved as little as keeps it in the work area (below a desktop's
        // top bar): the window manager places it, just not over its panels.
        if (placed.topLeft() ==
            screengeometry::ontoOneScreen(QRect(asked, placed.size()), screengeometry::workAreas()))
            return;
        // A tiling window manager centres the strip whatever it asks (and
        // ignores every later move): the strip places itself from now on.
        view_.setStripUnmanaged();
        view_.moveStrip(asked);
        tellMoved();
    });
}

QPoint Placement::placedPos() const {
    return view_.stripPlaced().topLeft();
}

void Placement::tellMoved() const {
    ToolWindows* tools = tools_ ? tools_() : nullptr;
    if (!tools)
        return;
    // The windows that travel along stand where the whole strip would.
    QPoint at = view_.stripPos();
    if (view_.stripNarrowed())
        at.rx() -= HiddenOffset;
    tools->stripMoved(at);
}

// --- dragging -------------------------------------------------------------

void Placement::beginDrag(const QPoint& pos) {
    dragging_ = true;
    dragOrigin_ = pos;
}

void Placement::dragTo(const QPoint& pos) {
    if (!dragging_)
        return;
    // Moving by the pointer's offset from the grabbed point keeps that point under the pointer.
    view_.moveStrip(view_.stripPos() + (pos - dragOrigin_));
}

void Placement::endDrag() {
    dragging_ = false;
    // The place the window reached, once the window manager has answered.
    view_.awaitPlace(QRect(view_.stripPos(), view_.stripSize()),
                     [this](QRect placed) { keepPosition(placed.topLeft()); });
}

// --- position -------------------------------------------------------------

void Placement::savePosition() {
    keepPosition(placedPos());
}

void Placement::keepPosition(QPoint placed) {
    settings_.setPosition(placed);
    tellMoved();
}

bool Placement::restorePosition() {
    return settings_.applyPosition();
}

void Placement::hideStrip() {
    if (view_.stripNarrowed())
        return;
    setHideBarRed(true);
    shownAt_ = placedPos();
    hideAt(view_.stripPos().y());
}

void Placement::hideAt(int y) {
    hidden_ = true;
    const QSize size = view_.stripSize();
    const int edge = edgeLeftAt(y);
    if (hideWay_ == HideWay::Narrowed) {
        hideNarrowed(QPoint(edge, y));
        return;
    }
    // The visible end claims its pixels first: window managers otherwise keep a
    // tenth of a normal window on screen, which would leave buttons there.
    // The reservation is measured from the left of the whole desktop.
    windowstrut::reserveLeft(view_.stripHandle(), edge - leftEdge() + size.width() - HiddenOffset,
                             y, y + size.height() - 1);
    const QPoint hidden(edge - HiddenOffset, y);
    view_.moveStrip(hidden);
    tellMoved();
    const int hide = ++hides_;
    view_.awaitPlace(QRect(hidden, size), [this, hidden, edge, hide](QRect placed) {
        if (hide != hides_)
            return; // back already
        if (placed.topLeft() == hidden) {
            hideWay_ = HideWay::OffScreen;
            return;
        }
        // Kept on screen, pushed beside its own reservation even: the
        // reservation goes, and the window shrinks to the end at the edge.
        windowstrut::clear(view_.stripHandle());
        hideNarrowed(QPoint(edge, hidden.y()));
    });
}

void Placement::hideNarrowed(QPoint end) {
    view_.setStripNarrowed(true);
    view_.moveStrip(end);
    tellMoved();
    const int hide = ++hides_;
    view_.awaitPlace(QRect(end, QSize(EndWidth, view_.stripSize().height())),
                     [this, end, hide](QRect placed) {
                         if (hide != hides_)
                             return; // touched and back already
                         if (placed.topLeft() == end && placed.width() == EndWidth) {
                             hideWay_ = HideWay::Narrowed;
                             return;
                         }
                         // Refused as well: the strip stays usable where it stood and does
                         // not show itself as hidden.
                         hidden_ = false;
                         view_.setStripNarrowed(false);
                         view_.moveStrip(shownAt_);
                         setHideBarRed(false);
                         tellMoved();
                     });
}

void Placement::closingPlacement() {
    if (isOnScreen())
        savePosition();
    else
        restorePosition();
}

// --- hide bar ---------------------------------------------------------------

void Placement::setHideBarRed(bool red) {
    hideBarRed_ = red;
    view_.setHideBarRed(red);
}

void Placement::markHideBar() {
    setHideBarRed(true);
}

void Placement::unmarkHideBar() {
    // A hide under way stays red while the window manager still holds the
    // strip on screen, before its answer is read back.
    if (!hidden_ && isOnScreen())
        setHideBarRed(false);
}

void Placement::touchHideBar() {
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
    ++hides_;
    windowstrut::clear(view_.stripHandle());
    hidden_ = false;
    view_.setStripNarrowed(false);
    bool restored = false;
    try {
        restored = restorePosition();
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
    // Read back: what goes along follows the place reached.
    const int back = hides_;
    view_.awaitPlace(QRect(view_.stripPos(), view_.stripSize()), [this, back](QRect) {
        if (back == hides_)
            tellMoved();
    });
}
