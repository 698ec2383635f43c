#include "icons/window/TExIcons.h"

#include "context/AppContext.h"
#include "ui/HintRouter.h"
#include "ui/ToolWindow.h"

#include <QStatusBar>

TExIcons::TExIcons(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("ExIcons"),
                      QStringLiteral("TabdeckV10 - Extract Icons with Drag & Drop"),
                      QSize(511, 242), toolwindow::Border::Fixed);
    statusBar1_ = toolwindow::addStatusBar(this, false);
}
