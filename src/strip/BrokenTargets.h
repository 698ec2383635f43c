#pragma once
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>

class ControlFile;
class StripView;

// Buttons whose local target is gone. Each table show asks whether its
// buttons' local paths still exist, off the UI thread and with a time limit
// (a hung network mount never holds the strip up; its answer is dropped and
// the button stays as it is). A gone target's button is drawn dimmed with the
// hint "Target missing: PATH"; a press on it explains instead of opening.
class BrokenTargets : public QObject {
    Q_OBJECT
public:
    using Exists = std::function<bool(const QString& path)>;
    static constexpr int DefaultLimitMs = 3000;

    BrokenTargets(StripView& view, ControlFile& file, QObject* parent = nullptr);
    ~BrokenTargets() override;

    // A stand-in for the file system's answer, and the time limit (tests).
    void setExists(Exists exists) { exists_ = std::move(exists); }
    void setTimeLimit(int ms) { limitMs_ = ms; }

    // Asks about the local targets of table t's buttons.
    void checkTable(int t);
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
    struct Channel;
    void apply(int n, const QString& target, bool exists);

    StripView& view_;
    ControlFile& file_;
    Exists exists_;
    int limitMs_ = DefaultLimitMs;
    std::shared_ptr<Channel> channel_;
    struct Gone {
        QString target;
        QString hint; // the hint it had before
    };
    QHash<int, Gone> gone_;
    QSet<QString> asking_; // paths with a question under way, not asked twice
};
