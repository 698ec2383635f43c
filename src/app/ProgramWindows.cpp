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
#include "platform/Autostart.h"
#include "platform/DesktopNotifier.h"
#include "strip/TableLoader.h"
#include "strip/window/TForm1.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"
#include "ui/ToolWindow.h"
#include "viewer/window/TViewPic.h"

#include <QElapsedTimer>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#ifdef __GLIBC__
#include <malloc.h>
#endif

ProgramWindows::ProgramWindows() = default;

ProgramWindows::~ProgramWindows() {
    reminderMenu_.reset();
    reminderClock_.reset();
    notifier_.reset();
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
    toolwindow::setStripArea({});
    toolwindow::setOwner({});
    form1_.reset();
}

void ProgramWindows::create(AppContext& context) {
    createStrip(context);
    createToolWindows(context);
}

void ProgramWindows::shareMallocArenas() {
#ifdef __GLIBC__
    // The start's threads (the control file's reading, the table loader's
    // nine) would each get a malloc arena of their own, each keeping what it
    // freed: two arenas serve them with less memory held after the start.
    mallopt(M_ARENA_MAX, 2);
#endif
}

void ProgramWindows::createStrip(AppContext& context) {
    form1_ = std::make_unique<TForm1>(context);
    toolwindow::setStripArea([this] { return form1_->frameGeometry(); });
    toolwindow::setOwner([this]() -> QWidget* { return form1_.get(); });
}

void ProgramWindows::createToolWindows(AppContext& context) {
    context_ = &context;
    context.tools = this;
    context.programColor = [this] { return systemcolors::backgroundValue(form1_.get()); };
    {
        const toolwindow::DeferredBuilds deferred;
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
    }
    // The long hints reach the status bars in this order.
    tools_ = {
        {hintDlg_.get(), [this] { return hintDlg_->statusBar1(); }},
        {edDlg_.get(), [this] { return edDlg_->statusBar1(); }},
        {exIcons_.get(), [this] { return exIcons_->statusBar1(); }},
        {cVert1_.get(), [this] { return cVert1_->statusBar1(); }},
        {pathnook_.get(), [this] { return pathnook_->statusBar1(); }},
        {email_.get(), [this] { return email_->statusBar1(); }},
        {viewPic_.get(), [this] { return viewPic_->statusBar1(); }},
        {aboutBox_.get(), {}},
        {reminder_.get(), {}},
        {fileProp_.get(), {}},
        {helpDlg_.get(), {}},
    };
    // Once the buttons are loaded, the rest of the start goes on in idle time.
    QObject::connect(
        &form1_->tableLoader(), &TableLoader::allLoaded, form1_.get(),
        [this] { buildNextInIdleTime(); }, Qt::QueuedConnection);

    // The strip's one-shot timer counts the reminder.
    reminderClock_ = std::make_unique<ReminderClock>(*form1_->timer2());
    reminderMenu_ = std::make_unique<ReminderMenu>(*reminderClock_, *context.prompts);
    QObject::connect(reminderClock_.get(), &ReminderClock::due, form1_.get(),
                     actionguard::guarded(*context.prompts, form1_.get(), [this] {
                         // The desktop hears of it too, for a user on another
                         // workspace or without sound. Made at the first
                         // reminder: the session bus costs the start a
                         // thread and its libraries.
                         if (!notifier_)
                             notifier_ = std::make_unique<DesktopNotifier>(
                                 Prompts::applicationTitle(), autostart::DesktopId);
                         notifier_->notify(Prompts::applicationTitle(), ReminderClock::dueText());
                         ready(reminder_)->showReminder(form1_.get());
                     }));
}

bool ProgramWindows::build(QWidget* window) {
    if (!toolwindow::ensureBuilt(window))
        return false;
    routeHints(window);
    return true;
}

void ProgramWindows::routeHints(QWidget* window) {
    for (const Tool& tool : tools_) {
        if (tool.window != window || !tool.statusBar)
            continue;
        HintRouter& router = form1_->hintRouter();
        QStatusBar* bar = tool.statusBar();
        router.addStatusBar(bar);
        if (!router.current().isEmpty())
            bar->showMessage(router.current());
    }
}

template <typename T> T* ProgramWindows::ready(const std::unique_ptr<T>& window) {
    if (window)
        build(window.get());
    return window.get();
}

void ProgramWindows::buildNextInIdleTime() {
    for (const Tool& tool : tools_) {
        if (toolwindow::isBuilt(tool.window))
            continue;
        actionguard::run(*context_->prompts, nullptr, [&] {
            QElapsedTimer clock;
            clock.start();
            toolwindow::buildStep(tool.window);
            longestBuildNs_ = std::max(longestBuildNs_, clock.nsecsElapsed());
            if (toolwindow::isBuilt(tool.window))
                routeHints(tool.window);
        });
        // One build step a turn: the strip answers the user in between.
        QTimer::singleShot(0, form1_.get(), [this] { buildNextInIdleTime(); });
        return;
    }
}

void ProgramWindows::buildToolWindows() {
    for (const Tool& tool : tools_)
        build(tool.window);
}

bool ProgramWindows::toolWindowsBuilt() const {
    for (const Tool& tool : tools_)
        if (!toolwindow::isBuilt(tool.window))
            return false;
    return !tools_.empty();
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
    present(ready(email_));
}
void ProgramWindows::showIconExtractor() {
    present(ready(exIcons_));
}
void ProgramWindows::showIconConverter() {
    present(ready(cVert1_));
}
void ProgramWindows::showPictureViewer() {
    present(ready(viewPic_));
}
void ProgramWindows::showEditor() {
    present(ready(edDlg_));
}
void ProgramWindows::showFileManager() {
    present(ready(pathnook_));
}
void ProgramWindows::showFileProperties(int button) {
    if (fileProp_)
        ready(fileProp_)->showFor(button, programColour());
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
        ready(hintDlg_)->Hint1Click(form1_->pos(), programColour());
}
void ProgramWindows::stripMoved(QPoint topLeft) {
    // A hint strip not yet built is placed when it is first shown.
    if (hintDlg_ && toolwindow::isBuilt(hintDlg_.get()))
        hintDlg_->follow(topLeft);
}
void ProgramWindows::showAbout() {
    if (aboutBox_)
        ready(aboutBox_)->showModal(form1_.get());
}
void ProgramWindows::showExtensiveHelp() {
    if (helpDlg_)
        ready(helpDlg_)->showHelp(programColour());
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
