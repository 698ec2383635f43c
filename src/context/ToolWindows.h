#pragma once
#include <QPoint>

// What the strip asks of the tool windows. The program's composition root
// implements it over the real windows, so the strip never searches for a
// window by name; tests record the calls instead.
class ToolWindows {
public:
    virtual ~ToolWindows() = default;

    virtual void showEmail() = 0;
    virtual void showIconExtractor() = 0;
    virtual void showIconConverter() = 0;
    virtual void showPictureViewer() = 0;
    virtual void showEditor() = 0;
    virtual void showFileManager() = 0;
    // Properties of button n's target (1..360).
    virtual void showFileProperties(int button) = 0;
    virtual void startReminder() = 0;
    virtual void stopReminder() = 0;
    virtual void toggleHintStrip() = 0;
    // The strip now has this top-left corner; the hint strip follows it.
    virtual void stripMoved(QPoint topLeft) = 0;
    virtual void showAbout() = 0;
    virtual void showExtensiveHelp() = 0;
    // The help submenu's messages, numbered 1..7 in the menu's order.
    virtual void showHelpMessage(int number) = 0;
    virtual void reportBug() = 0;
};
