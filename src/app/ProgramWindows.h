#pragma once
#include "context/ToolWindows.h"
#include "ui/FontWarmUp.h"

#include <cstdint>
#include <memory>

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
class DesktopNotifier;

// The program's twelve windows, made once in their fixed order with the strip
// first, and the routing of long hints to the seven status bars. The program
// and the start-up benchmark both build them here, so what is measured is
// what runs. Destroyed tool windows first, the strip last. It is also the
// strip's typed handle to the tool windows.
class ProgramWindows : public ToolWindows {
public:
    ProgramWindows();
    ~ProgramWindows() override;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Both steps in order. An error while making a window propagates.
    void create(AppContext& context);
    void createStrip(AppContext& context);
    // The eleven tool windows, then the hint routing; after createStrip.
    void createToolWindows(AppContext& context);

    TForm1* form1() const { return form1_.get(); }

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
    // The strip's current colour, which the small windows take when shown.
    uint32_t programColour() const;

    AppContext* context_ = nullptr;
    // Started before any window, so the font set-up is read meanwhile.
    FontWarmUp fonts_;
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
};
