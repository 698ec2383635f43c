#pragma once
#include <QPoint>
#include <functional>

class Prompts;
class ShownSettings;
class StripView;
class ToolWindows;

// Where the strip stands: dragging it by the move handle, remembering the
// place in POS, hiding it at the left screen edge with only the red end of
// the hide bar left on screen, and bringing it back when that end is touched.
// The tool windows learn of every move, so the hint strip can travel along.
//
// The window hands the move handle's and the hide bar's events to the
// handlers. The place is read and written through the
// settings, which also restore it at start-up.
class Placement {
public:
    static constexpr int HiddenOffset = 611; // strip width 622 minus the 11 pixels left showing
    static constexpr int EndWidth = 11;      // what shows of the hidden strip

    Placement(StripView& view, ShownSettings& settings, Prompts& prompts);
    // The tool windows to tell of each move; asked when needed, since they
    // are made after the strip. None: nobody is told.
    void setToolWindows(std::function<ToolWindows*()> tools) { tools_ = std::move(tools); }

    // The left edge of the virtual desktop and the tests built on it.
    static int leftEdge();
    static int hiddenLeft() { return leftEdge() - HiddenOffset; }
    // The left screen edge in the strip's row, where hiding puts it.
    int edgeLeft() const;
    bool isOnScreen() const;
    // The design placement: the strip centred on the screen it is on.
    QPoint centredPosition() const;
    // Brings the strip wholly onto one screen, the one holding most of it
    // (a saved place may lie on a screen since gone, or past the edge of a
    // smaller or more scaled one); a hidden strip keeps hiding, with its
    // showing end wholly on the screens, at their left edge in its row.
    void keepOnScreens();
    // Once the strip is first shown: when the window manager did not put it
    // where it was asked to stand, the strip places itself instead.
    void confirmFirstPlace();

    // Dragging by the move handle (positions relative to the handle).
    void beginDrag(const QPoint& pos);
    void dragTo(const QPoint& pos);
    void endDrag();

    void savePosition();
    // Applies POS "Top" then "Left" where they are non-empty; returns
    // whether either was. A value that is no integer raises ConversionError
    // (a Top already applied stays).
    bool restorePosition();
    void hideStrip();
    // Back from the screen edge as when the red end is touched; nothing when on screen.
    void bringBack();

    // The hide bar: red while the pointer is on it; a touch of the hidden
    // strip's end brings it back, on screen it tells what a click does.
    void markHideBar();
    void unmarkHideBar();
    void touchHideBar();
    bool hideBarRed() const { return hideBarRed_; }
    // True while a mouse button is held on the move handle.
    bool dragging() const { return dragging_; }
    // The pointer's position within the move handle at the press.
    QPoint dragOrigin() const { return dragOrigin_; }

    // What closing the strip does to its place: saved when on screen,
    // otherwise moved back to POS without saving.
    void closingPlacement();

private:
    void tellMoved() const;
    // Stores `placed`, read back from the window system, as POS.
    void keepPosition(QPoint placed);
    void setHideBarRed(bool red);
    void returnFromEdge();
    // Hides the strip at the left screen edge in its row, its top at y.
    void hideAt(int y);
    // The left screen edge in the row of a strip whose top is at `top`.
    int edgeLeftAt(int top) const;
    void hideNarrowed(QPoint end);
    // Where the window system has the strip, read back.
    QPoint placedPos() const;

    // How hiding works here, learnt at the first hide from what the window
    // manager did: the strip off screen but for its end, or, where a window
    // is kept on screen, the window narrowed to that end at the edge.
    enum class HideWay { Unknown, OffScreen, Narrowed };
    HideWay hideWay_ = HideWay::Unknown;
    QPoint shownAt_; // the place before the last hide
    int hides_ = 0;  // counts hides and returns: an answer to an older one is stale
    StripView& view_;
    ShownSettings& settings_;
    Prompts& prompts_;
    std::function<ToolWindows*()> tools_;
    bool dragging_ = false;
    bool hidden_ = false; // by hideStrip, until brought back
    bool hideBarRed_ = false;
    QPoint dragOrigin_;
};
