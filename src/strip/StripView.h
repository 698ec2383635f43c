#pragma once
#include "core/StripSettings.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>

class Picture;
class QWidget;
class QWindow;
struct StripMenus;

// The strip as its logic sees it: values to show and the strip's place,
// never its controls. The strip window implements it; tests give a
// recording one.
class StripView {
public:
    virtual ~StripView() = default;

    // The window that owns the boxes the logic shows and the programs it starts.
    virtual QWidget* owner() = 0;
    // The strip's native window, for the screen-edge reservation; null before it is shown.
    virtual QWindow* stripHandle() = 0;
    virtual StripMenus& menus() = 0;

    // The picture and hint of button n (1..360); out of range is ignored.
    virtual void setButtonPicture(int n, const Picture& picture) = 0;
    virtual void setButtonHint(int n, const QString& hint) = 0;
    virtual QString buttonHint(int n) const = 0;
    // A button whose target is gone is drawn dimmed.
    virtual void setButtonDimmed(int n, bool dimmed) = 0;

    // Label1 (the table's caption) and Label2 (the selected button's number).
    virtual void setTableCaption(const QString& text) = 0;
    virtual void setButtonNumberText(const QString& text) = 0;
    // The focus mark on the button the keyboard selected; 0 takes it away.
    virtual void setKeyboardMark(int n) = 0;

    // Gives a target its colour: every button panel, every table panel, or
    // the strip with its two end panels.
    virtual void setColor(StripSettings::ColorTarget target, uint32_t value) = 0;
    virtual void setStayOnTop(bool on) = 0;

    // Table t (1..30) shown on top of the others, which are hidden; the top
    // of table t within the strip.
    virtual void showOnlyTable(int t) = 0;
    virtual void setTableTop(int t, int top) = 0;

    // The strip's top-left corner and its size with its frame.
    virtual QPoint stripPos() const = 0;
    virtual void moveStrip(QPoint topLeft) = 0;
    virtual QSize stripSize() const = 0;
    virtual QSize stripFrameSize() const = 0;
    // Where the window system really has the strip, asked anew: a window
    // manager may refuse a move or change it. Without a window system to ask,
    // the place the strip was given.
    virtual QRect stripPlaced() const = 0;
    // Waits until the window system has the strip at `wanted` or has had
    // time to answer, then runs `then` with where it has the strip.
    virtual void awaitPlace(QRect wanted, std::function<void(QRect placed)> then) = 0;
    // The window narrowed to the 11 pixels at the strip's right end, which
    // show the end of the hide bar: the hidden strip where the window
    // manager keeps every window on screen.
    virtual void setStripNarrowed(bool narrowed) = 0;
    virtual bool stripNarrowed() const = 0;
    // The strip places itself, without the window manager, which refused to
    // place it; for good.
    virtual void setStripUnmanaged() = 0;
    virtual bool stripUnmanaged() const = 0;

    // The hide bar at the right end: red while the strip hides, and its hint.
    virtual void setHideBarRed(bool red) = 0;
    virtual void setHideBarHint(const QString& hint) = 0;

    // The cut buffer's boxes CutTo1..CutTo3 show what it holds.
    virtual void setCutText(int i, const QString& text) = 0;
};
