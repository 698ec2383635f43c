#pragma once
#include "core/Error.h"
#include "core/Opener.h"

#include <QStringList>

namespace teststrip {

// Records every path handed to the desktop; can be told to fail.
class RecordingOpener : public Opener {
public:
    void open(QObject*, const QString& path) override {
        opened << path;
        if (fail)
            throw AppError(QStringLiteral("cannot open"));
    }
    QStringList opened;
    bool fail = false;
};

} // namespace teststrip
