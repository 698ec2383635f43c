#include "viewer/window/TViewPic.h"

#include "context/AppContext.h"
#include "ui/HintRouter.h"
#include "ui/ToolWindow.h"

#include <QStatusBar>

TViewPic::TViewPic(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("ViewPic"), QStringLiteral("TabdeckV10 View Pictures"),
                      QSize(622, 443), toolwindow::Border::Sizeable);
    statusBar1_ = toolwindow::addStatusBar(this, true);
}
