#include "strip/ProgramWindows.h"

#include "dialogs/TAboutBox.h"
#include "dialogs/TFileProp.h"
#include "dialogs/THelpDlg.h"
#include "dialogs/THintDlg.h"
#include "dialogs/TReminder.h"
#include "editor/TEdDlg.h"
#include "filemanager/TPathnook.h"
#include "icons/TCVert1.h"
#include "icons/TExIcons.h"
#include "mail/TEmail.h"
#include "strip/TForm1.h"
#include "ui/HintRouter.h"
#include "viewer/TViewPic.h"

#include <QStatusBar>

ProgramWindows::ProgramWindows() = default;

ProgramWindows::~ProgramWindows() {
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
}
