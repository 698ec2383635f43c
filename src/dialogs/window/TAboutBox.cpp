#include "dialogs/window/TAboutBox.h"

#include "context/AppContext.h"
#include "ui/ToolWindow.h"

TAboutBox::TAboutBox(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("AboutBox"),
                      QStringLiteral("About Fernhollow Freeware Software"), QSize(298, 233),
                      toolwindow::Border::Dialog);
}
