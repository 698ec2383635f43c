#include "icons/window/TCVert1.h"

#include "context/AppContext.h"
#include "ui/HintRouter.h"
#include "ui/ToolWindow.h"

#include <QStatusBar>

TCVert1::TCVert1(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("CVert1"), QStringLiteral("Convert Icons to Bitmaps"),
                      QSize(227, 190), toolwindow::Border::Fixed);
    statusBar1_ = toolwindow::addStatusBar(this, false);
}
