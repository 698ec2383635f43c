#pragma once
#include "core/Error.h"
#include "core/Opener.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <utility>

namespace testsupport {

// Records every path handed to the desktop, with the window that asked;
// can be told to fail as a desktop that refuses the path does.
class RecordingOpener : public Opener {
public:
    struct Call {
        QObject* owner;
        QString path;
    };
    void open(QObject* owner, const QString& path) override {
        calls.append({owner, path});
        opened << path;
        if (fail)
            throw AppError(QStringLiteral("cannot open"));
    }
    // Answers as a desktop does: refused for a non-empty refusal, and only
    // when the test calls answer() while deferred.
    void openReporting(QObject* owner, const QString& path, Done done) override {
        open(owner, path);
        const Outcome outcome = refusal.isEmpty() ? Outcome{} : Outcome{false, refusal};
        if (done)
            pending.append([done, outcome] { done(outcome); });
        if (!deferred)
            answer();
    }
    // Records how it was to be started, then answers as for a path.
    void startReporting(QObject* owner, const QString& path, const Start& how, Done done) override {
        starts.append(how);
        openReporting(owner, path, std::move(done));
    }
    void answer() {
        for (const auto& reply : std::exchange(pending, {}))
            reply();
    }
    QList<Call> calls;
    QList<Start> starts;
    QStringList opened;
    bool fail = false;
    QString refusal;
    bool deferred = false;
    QList<std::function<void()>> pending;
};

} // namespace testsupport
