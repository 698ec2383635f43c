#pragma once
#include "context/ToolWindows.h"

#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct AppContext;
class TForm1;
class TAboutBox;
class TViewPic;
class TCVert1;
class TEdDlg;
class TEmail;
class TExIcons;
class TPathnook;
class THintDlg;
class TReminder;
class TFileProp;
class THelpDlg;
class ReminderClock;
class ReminderMenu;
class QStatusBar;
class QWidget;
class DesktopNotifier;

// The program's twelve windows, made once in their fixed order with the strip
// first, and the routing of long hints to the seven status bars. The program
// and the start-up benchmark both build them here, so what is measured is
// what runs. Destroyed tool windows first, the strip last. It is also the
// strip's typed handle to the tool windows.
// The tool window objects exist from the start, but each builds its controls
// when first shown, or in idle time once the strip has loaded its buttons, a
// build step a turn of the event loop: the user sees the strip first. A hint
// given before a window is built shows in its status bar when it is built.
class ProgramWindows : public ToolWindows {
public:
    ProgramWindows();
    ~ProgramWindows() override;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Both steps in order. An error while making a window propagates.
    void create(AppContext& context);
    // Before the first thread of the process starts.
    static void shareMallocArenas();
    void createStrip(AppContext& context);
    // The eleven tool windows, then the hint routing; after createStrip.
    void createToolWindows(AppContext& context);

    TForm1* form1() const { return form1_.get(); }

    // Builds every tool window not yet built, as idle time would.
    void buildToolWindows();
    bool toolWindowsBuilt() const;
    // The longest single build step idle time has run so far.
    qint64 longestBuildNs() const { return longestBuildNs_; }

    // ToolWindows. Each does nothing before createToolWindows.
    void showEmail() override;
    void showIconExtractor() override;
    void showIconConverter() override;
    void showPictureViewer() override;
    void showEditor() override;
    void showFileManager() override;
    void showFileProperties(int button) override;
    void startReminder() override;
    void stopReminder() override;
    void toggleHintStrip() override;
    void stripMoved(QPoint topLeft) override;
    void showAbout() override;
    void showExtensiveHelp() override;
    void showHelpMessage(int number) override;
    void reportBug() override;

private:
    struct Tool {
        QWidget* window;
        // The window's StatusBar1 once built, for the hint routing; or none.
        std::function<QStatusBar*()> statusBar;
    };
    // Builds the window if it is not yet: the one way to a tool window.
    template <typename T> T* ready(const std::unique_ptr<T>& window);
    bool build(QWidget* window);
    // A window built to the end takes the current hint and the later ones.
    void routeHints(QWidget* window);
    void buildNextInIdleTime();

    // The strip's current colour, which the small windows take when shown.
    uint32_t programColour() const;

    AppContext* context_ = nullptr;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TViewPic> viewPic_;
    std::unique_ptr<TCVert1> cVert1_;
    std::unique_ptr<TEdDlg> edDlg_;
    std::unique_ptr<TEmail> email_;
    std::unique_ptr<TExIcons> exIcons_;
    std::unique_ptr<TPathnook> pathnook_;
    std::unique_ptr<THintDlg> hintDlg_;
    std::unique_ptr<TReminder> reminder_;
    std::unique_ptr<TFileProp> fileProp_;
    std::unique_ptr<THelpDlg> helpDlg_;
    std::unique_ptr<ReminderClock> reminderClock_;
    std::unique_ptr<ReminderMenu> reminderMenu_;
    std::unique_ptr<DesktopNotifier> notifier_;
    // In the order idle time builds them: the seven status bars in their
    // routing order first.
    std::vector<Tool> tools_;
    qint64 longestBuildNs_ = 0;
};
