#pragma once
#include <QString>

class ControlFile;
class Opener;
class QObject;
class Selection;

// What a launch does to the strip around it, and how it tells what stopped it.
class LaunchEffects {
public:
    virtual ~LaunchEffects() = default;
    // Whether a launch hides the strip (hide mode) or ends the program.
    virtual bool hidesOnLaunch() const = 0;
    virtual void hideStrip() = 0;
    virtual void closeStrip() = 0;
    // Whether button n's target is known to be gone, and telling so; such a
    // press neither opens, hides nor closes.
    virtual bool targetGone(int /*n*/, const QString& /*target*/) { return false; }
    virtual void tellGone(const QString& /*target*/) {}
    // The desktop refused the target, for this reason.
    virtual void tellRefused(const QString& /*target*/, const QString& /*reason*/) {}
};

// Opening a button's target: the BUTTON entry is read at the moment of the
// press (never taken from the picture or the hint), handed to the opener
// unchanged, and once the opener has answered the strip hides or the
// program closes, by hide mode. A target the desktop refuses is explained
// instead, and the strip stays. Nothing is selected afterwards, on every
// way out.
class ButtonLauncher {
public:
    ButtonLauncher(QObject* owner, ControlFile& controlFile, Opener& opener, Selection& selection,
                   LaunchEffects& effects);

    // With an entryAction, that action of a desktop entry runs instead.
    void launch(int button, const QString& entryAction = {});

    // "Cannot open PATH: REASON."
    static QString refusedNotice(const QString& target, const QString& reason);

private:
    QObject* owner_;
    ControlFile& file_;
    Opener& opener_;
    Selection& selection_;
    LaunchEffects& effects_;
};
