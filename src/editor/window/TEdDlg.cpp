#include "editor/window/TEdDlg.h"

#include "context/AppContext.h"
#include "ui/HintRouter.h"
#include "ui/ToolWindow.h"

#include <QStatusBar>

TEdDlg::TEdDlg(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("EdDlg"),
                      QStringLiteral("Edit the Control (*.ini) File"), QSize(622, 443),
                      toolwindow::Border::Sizeable);
    statusBar1_ = toolwindow::addStatusBar(this, false);
}
