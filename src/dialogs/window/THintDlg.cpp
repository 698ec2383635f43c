#include "dialogs/window/THintDlg.h"

#include "context/AppContext.h"
#include "ui/HintRouter.h"
#include "ui/ToolWindow.h"

#include <QStatusBar>

THintDlg::THintDlg(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("HintDlg"), QStringLiteral(""), QSize(622, 19),
                      toolwindow::Border::None);
    statusBar1_ = toolwindow::addStatusBar(this, false);
    statusBar1_->setCursor(Qt::PointingHandCursor);
    hints::set(statusBar1_, QStringLiteral("Double Click to Close Hint Window"));
}
