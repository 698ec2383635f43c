#include "mail/window/TEmail.h"

#include "context/AppContext.h"
#include "ui/HintRouter.h"
#include "ui/ToolWindow.h"

#include <QStatusBar>

TEmail::TEmail(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("Email"), QStringLiteral("E-mail"), QSize(622, 263),
                      toolwindow::Border::Fixed);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    statusBar1_ = toolwindow::addStatusBar(this, false);
}
