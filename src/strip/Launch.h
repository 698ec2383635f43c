#pragma once
#include <QString>
#include <functional>

class ControlFile;
class Opener;
class QObject;
class Selection;

// Opening a button's target: the BUTTON entry is read at the moment of the
// press (never taken from the picture or the hint), handed to the opener
// unchanged, and once the opener has answered the strip hides or the
// program closes, by hide mode. A target the desktop refuses is explained
// instead, and the strip stays. Nothing is selected afterwards, on every
// way out.
class Launcher {
public:
    struct Actions {
        std::function<bool()> hideMode;   // whether a launch hides the strip
        std::function<void()> hideStrip;  // hide mode on
        std::function<void()> closeStrip; // hide mode off: ends the program
        // Whether button n's target is known to be gone, and telling so;
        // such a press neither opens, hides nor closes.
        std::function<bool(int n, const QString& target)> gone;
        std::function<void(const QString& target)> tellGone;
        // The desktop refused the target, for this reason.
        std::function<void(const QString& target, const QString& reason)> tellRefused;
    };

    Launcher(QObject* owner, ControlFile& controlFile, Opener& opener, Selection& selection,
             Actions actions);

    // With an entryAction, that action of a desktop entry runs instead.
    void launch(int button, const QString& entryAction = {});

    // "Cannot open PATH: REASON."
    static QString refusedNotice(const QString& target, const QString& reason);

private:
    QObject* owner_;
    ControlFile& file_;
    Opener& opener_;
    Selection& selection_;
    Actions actions_;
};
