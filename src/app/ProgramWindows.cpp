#include "app/ProgramWindows.h"

#include "context/AppContext.h"
#include "core/Opener.h"
#include "dialogs/HelpTexts.h"
#include "dialogs/ReminderClock.h"
#include "dialogs/ReminderMenu.h"
#include "dialogs/window/TAboutBox.h"
#include "dialogs/window/TFileProp.h"
#include "dialogs/window/THelpDlg.h"
#include "dialogs/window/THintDlg.h"
#include "dialogs/window/TReminder.h"
#include "editor/window/TEdDlg.h"
#include "filemanager/window/TPathnook.h"
#include "icons/window/TCVert1.h"
#include "icons/window/TExIcons.h"
#include "mail/window/TEmail.h"
#include "strip/window/TForm1.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"
#include "viewer/window/TViewPic.h"

#include <QStatusBar>

ProgramWindows::ProgramWindows() = default;

ProgramWindows::~ProgramWindows() {
    reminderMenu_.reset();
    reminderClock_.reset();
    helpDlg_.reset();
    fileProp_.reset();
    reminder_.reset();
    hintDlg_.reset();
    pathnook_.reset();
    exIcons_.reset();
    email_.reset();
    edDlg_.reset();
    cVert1_.reset();
    viewPic_.reset();
    aboutBox_.reset();
    form1_.reset();
}

void ProgramWindows::create(AppContext& context) {
    createStrip(context);
    createToolWindows(context);
}

void ProgramWindows::createStrip(AppContext& context) {
    form1_ = std::make_unique<TForm1>(context);
}

void ProgramWindows::createToolWindows(AppContext& context) {
    context_ = &context;
    context.tools = this;
    context.programColor = [this] { return systemcolors::backgroundValue(form1_.get()); };
    aboutBox_ = std::make_unique<TAboutBox>(context);
    viewPic_ = std::make_unique<TViewPic>(context);
    cVert1_ = std::make_unique<TCVert1>(context);
    edDlg_ = std::make_unique<TEdDlg>(context);
    email_ = std::make_unique<TEmail>(context);
    exIcons_ = std::make_unique<TExIcons>(context);
    pathnook_ = std::make_unique<TPathnook>(context);
    hintDlg_ = std::make_unique<THintDlg>(context);
    reminder_ = std::make_unique<TReminder>(context);
    fileProp_ = std::make_unique<TFileProp>(context);
    helpDlg_ = std::make_unique<THelpDlg>(context);

    // The long hints reach these status bars in this order.
    for (QStatusBar* bar : {hintDlg_->statusBar1(), edDlg_->statusBar1(), exIcons_->statusBar1(),
                            cVert1_->statusBar1(), pathnook_->statusBar1(), email_->statusBar1(),
                            viewPic_->statusBar1()})
        form1_->hintRouter().addStatusBar(bar);

    // The strip's one-shot timer counts the reminder.
    reminderClock_ = std::make_unique<ReminderClock>(*form1_->timer2());
    reminderMenu_ = std::make_unique<ReminderMenu>(*reminderClock_, *context.prompts);
    QObject::connect(reminderClock_.get(), &ReminderClock::due, form1_.get(),
                     actionguard::guarded(*context.prompts, form1_.get(),
                                          [this] { reminder_->showReminder(form1_.get()); }));
}

uint32_t ProgramWindows::programColour() const {
    return systemcolors::backgroundValue(form1_.get());
}

namespace {
void present(QWidget* window) {
    if (window)
        toolwindow::present(window);
}
} // namespace

void ProgramWindows::showEmail() {
    present(email_.get());
}
void ProgramWindows::showIconExtractor() {
    present(exIcons_.get());
}
void ProgramWindows::showIconConverter() {
    present(cVert1_.get());
}
void ProgramWindows::showPictureViewer() {
    present(viewPic_.get());
}
void ProgramWindows::showEditor() {
    present(edDlg_.get());
}
void ProgramWindows::showFileManager() {
    present(pathnook_.get());
}
void ProgramWindows::showFileProperties(int button) {
    if (fileProp_)
        fileProp_->showFor(button, programColour());
}
void ProgramWindows::startReminder() {
    if (reminderMenu_)
        reminderMenu_->Start1Click(form1_.get());
}
void ProgramWindows::stopReminder() {
    if (reminderMenu_)
        reminderMenu_->Stop1Click(form1_.get());
}
void ProgramWindows::toggleHintStrip() {
    if (hintDlg_)
        hintDlg_->Hint1Click(form1_->pos(), programColour());
}
void ProgramWindows::stripMoved(QPoint topLeft) {
    if (hintDlg_)
        hintDlg_->follow(topLeft);
}
void ProgramWindows::showAbout() {
    if (aboutBox_)
        aboutBox_->showModal(form1_.get());
}
void ProgramWindows::showExtensiveHelp() {
    if (helpDlg_)
        helpDlg_->showHelp(programColour());
}
void ProgramWindows::showHelpMessage(int number) {
    // The help messages have no owner window.
    if (context_ && number >= 1 && number <= helptexts::MessageCount)
        context_->prompts->box(nullptr, helptexts::box(number));
}
void ProgramWindows::reportBug() {
    if (context_ && context_->prompts->confirm(form1_.get(), helptexts::bugReportQuestion()))
        context_->opener->open(form1_.get(), helptexts::bugReportAddress());
}
