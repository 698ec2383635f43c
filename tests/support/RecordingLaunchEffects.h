#pragma once
#include "strip/ButtonLauncher.h"

#include <QStringList>
#include <functional>

namespace testsupport {

// Counts what launches did to the strip and keeps the notices they gave.
struct RecordingLaunchEffects : LaunchEffects {
    bool hideMode = true;
    int hides = 0;
    int closes = 0;
    QStringList notices;
    std::function<void()> onHide; // also run at a hide, when set

    bool hidesOnLaunch() const override { return hideMode; }
    void hideStrip() override {
        ++hides;
        if (onHide)
            onHide();
    }
    void closeStrip() override { ++closes; }
    void tellRefused(const QString& target, const QString& reason) override {
        notices << ButtonLauncher::refusedNotice(target, reason);
    }
};

} // namespace testsupport
