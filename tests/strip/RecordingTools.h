#pragma once
// The strip's handle to the tool windows, recording each call as text
// ("showEmail", "showFileProperties 7", "stripMoved 300,382").
#include "context/ToolWindows.h"

#include <QPoint>
#include <QStringList>

namespace teststrip {

class RecordingTools : public ToolWindows {
public:
    QStringList calls;
    QPoint lastMoved{-100000, -100000};

    void showEmail() override { calls << "showEmail"; }
    void showIconExtractor() override { calls << "showIconExtractor"; }
    void showIconConverter() override { calls << "showIconConverter"; }
    void showPictureViewer() override { calls << "showPictureViewer"; }
    void showEditor() override { calls << "showEditor"; }
    void showFileManager() override { calls << "showFileManager"; }
    void showFileProperties(int button) override {
        calls << QStringLiteral("showFileProperties %1").arg(button);
    }
    void startReminder() override { calls << "startReminder"; }
    void stopReminder() override { calls << "stopReminder"; }
    void toggleHintStrip() override { calls << "toggleHintStrip"; }
    void stripMoved(QPoint topLeft) override {
        lastMoved = topLeft;
        calls << QStringLiteral("stripMoved %1,%2").arg(topLeft.x()).arg(topLeft.y());
    }
    void showAbout() override { calls << "showAbout"; }
    void showExtensiveHelp() override { calls << "showExtensiveHelp"; }
    void showHelpMessage(int number) override {
        calls << QStringLiteral("showHelpMessage %1").arg(number);
    }
    void reportBug() override { calls << "reportBug"; }
};

} // namespace teststrip
