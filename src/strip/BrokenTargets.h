#pragma once
#include "core/Job.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class ControlFile;
class StripView;

// Buttons whose local target is gone (or is a desktop entry whose program
// is not installed). Each table show, and the strip coming
// into sight, asks whether the shown buttons' local paths still exist, off
// the UI thread and with a time limit (a hung network mount never holds the
// strip up; its answer is dropped and the button stays as it is). A gone
// target's button is drawn dimmed with the hint "Target missing: PATH"; a
// press on it explains instead of opening. An answer counts only for the
// target it was asked about: a button given another target meanwhile keeps
// the face that target gave it.
class BrokenTargets : public QObject {
    Q_OBJECT
public:
    using Usable = std::function<bool(const QString& path)>;
    static constexpr int DefaultLimitMs = 3000;

    BrokenTargets(StripView& view, ControlFile& file, QObject* parent = nullptr);

    // A stand-in for the file system's answer, and the time limit (tests).
    void setUsable(Usable usable) { usable_ = std::move(usable); }
    void setTimeLimit(int ms) { limitMs_ = ms; }

    // Asks about the local targets of table t's buttons.
    void checkTable(int t);
    // Whether the strip is in sight: shown, not minimised, not hidden at the
    // screen edge. Coming into sight asks about table t, the one shown: a
    // target may have gone while the strip was away. The strip is in sight
    // when this starts being told.
    void setInSight(bool inSight, int t);
    // Whether the last answer for button n said this target is gone.
    bool missing(int n, const QString& target) const;

    // An absolute local path (no address, no bare name found on PATH).
    static bool isLocalPath(const QString& target);
    static QString missingHint(const QString& path);
    static QString missingNotice(const QString& path);

signals:
    // An answer for button n was applied (tests wait on it).
    void answered(int n);

private:
    // Puts the question about path to a worker that may hang for good.
    void ask(const QString& path);
    void answer(const QString& path, bool there, bool inTime);
    void apply(int n, const QString& target, bool usable);
    // Button n drawn whole again with the hint it had, if it was dimmed.
    void restore(int n);

    StripView& view_;
    ControlFile& file_;
    Usable usable_; // whether a target can be opened
    int limitMs_ = DefaultLimitMs;
    bool inSight_ = true;
    // Its end drops every answer still to come.
    Job questions_{nullptr, Job::Pool::MayHang};
    struct Gone {
        QString target;
        QString hint; // the hint it had before
    };
    QHash<int, Gone> gone_;
    // The paths with a question under way: the buttons waiting for its
    // answer, the check that put it, and whether a later check asked again.
    struct Question {
        QList<int> buttons;
        int round = 0;
        bool again = false;
    };
    QHash<QString, Question> asking_;
    int round_ = 0; // checks so far
};
