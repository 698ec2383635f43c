#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QObject;

// Opening a path or address through the desktop ("open" verb). Returns at
// once. The owner is the window asking.
class Opener {
public:
    // What became of an open: refused, with the reason in words that follow
    // "Cannot open PATH: ".
    struct Outcome {
        bool opened = true;
        QString reason;
    };
    using Done = std::function<void(const Outcome&)>;

    virtual ~Opener() = default;
    // For callers that do not examine the outcome.
    virtual void open(QObject* owner, const QString& path) = 0;
    // done is called once with the outcome: at once, or later from the event
    // loop (never after the owner is gone). An opener that cannot tell
    // reports every open as done.
    virtual void openReporting(QObject* owner, const QString& path, Done done) {
        open(owner, path);
        if (done)
            done({});
    }

    // How a program or a desktop entry's action is started, beyond its path.
    struct Start {
        QStringList arguments;
        QString workingDir; // empty: where the path alone would start it
        bool terminal = false;
        QString entryAction; // a desktop entry's action, by its id
    };
    // As openReporting, started as how says. An opener that knows only
    // paths opens the path as it is.
    virtual void startReporting(QObject* owner, const QString& path, const Start& how, Done done) {
        (void)how;
        openReporting(owner, path, std::move(done));
    }
};
