#include "filemanager/window/TPathnook.h"

#include "context/AppContext.h"
#include "ui/HintRouter.h"
#include "ui/ToolWindow.h"

#include <QStatusBar>

TPathnook::TPathnook(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("Pathnook"),
                      QStringLiteral("Work with Drives, Folders and Files"), QSize(622, 443),
                      toolwindow::Border::FixedNoClose);
    statusBar1_ = toolwindow::addStatusBar(this, false);
}
