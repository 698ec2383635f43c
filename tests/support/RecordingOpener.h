#pragma once
#include "core/Error.h"
#include "core/Opener.h"

#include <QList>
#include <QObject>
#include <QStringList>

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
    QList<Call> calls;
    QStringList opened;
    bool fail = false;
};

} // namespace testsupport
