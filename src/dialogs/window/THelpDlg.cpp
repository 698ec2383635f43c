#include "dialogs/window/THelpDlg.h"

#include "context/AppContext.h"
#include "ui/ToolWindow.h"

THelpDlg::THelpDlg(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("HelpDlg"), QStringLiteral("TabdeckV10 Help"),
                      QSize(672, 441), toolwindow::Border::Fixed);
}
