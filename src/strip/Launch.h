#pragma once
#include <functional>

class ControlFile;
class Opener;
class QWidget;
struct StripState;

// Opening the selected button's target: the BUTTON entry is read at the
// moment of the press (never taken from the picture or the hint), handed to
// the opener unchanged, and then the strip hides or the program closes, by
// hide mode. The selected button is 0 afterwards on every way out.
class Launcher {
public:
    struct Actions {
        std::function<void()> hideStrip;  // hide mode on
        std::function<void()> closeStrip; // hide mode off: ends the program
    };

    // Reads the selected button and the hide mode from the strip's state.
    Launcher(QWidget* strip, ControlFile& controlFile, Opener& opener, StripState& state,
             Actions actions);

    void LaunchSelectedButton();

private:
    QWidget* strip_;
    ControlFile& file_;
    Opener& opener_;
    StripState& state_;
    Actions actions_;
};
