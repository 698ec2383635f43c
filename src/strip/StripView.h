#pragma once
#include "core/StripSettings.h"

#include <cstdint>

class ButtonImage;
class CutBox;
class Picture;
class QFrame;
class QLabel;
class QString;
class QWidget;
struct StripMenus;

// What the strip's helpers share besides the controls: the selected button
// and the hide mode.
struct StripState {
    int selectedButton = 0; // 0 = none, else 1..360
    bool hideMode = false;  // true: hide at the left edge after a launch
};

// The strip's controls as its helpers see them: typed, by number, never
// looked up by object name. The strip window implements it; tests give a
// recording one.
class StripView {
public:
    virtual ~StripView() = default;

    // The top-level window: its place, style and drops; parent of the boxes.
    virtual QWidget* stripWindow() = 0;
    virtual QWidget* panelLeft() const = 0;
    virtual QWidget* panelRight() const = 0;
    virtual QLabel* label1() const = 0;
    virtual QLabel* label2() const = 0;
    virtual QWidget* imageMove() const = 0;
    virtual QWidget* imageExit() const = 0;
    virtual QLabel* labelHide() const = 0;
    virtual QFrame* table(int t) const = 0;              // 1..30
    virtual QFrame* buttonPanel(int n) const = 0;        // 1..360
    virtual ButtonImage* buttonPicture(int n) const = 0; // 1..360
    virtual CutBox* cutTo(int i) const = 0;              // 1..3
    virtual StripMenus& menus() = 0;
    virtual StripState& state() = 0;

    // The picture and hint of button n; out of range is ignored.
    virtual void setButtonPicture(int n, const Picture& picture) = 0;
    virtual void setButtonHint(int n, const QString& hint) = 0;
    virtual QString buttonHint(int n) const = 0;

    // Gives a target its colour: every button panel, every table panel, or
    // the strip with its two end panels.
    void paint(StripSettings::ColorTarget target, uint32_t value);
};
