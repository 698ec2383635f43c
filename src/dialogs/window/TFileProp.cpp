#include "dialogs/window/TFileProp.h"

#include "context/AppContext.h"
#include "ui/ToolWindow.h"

TFileProp::TFileProp(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("FileProp"), QStringLiteral("File Properties"),
                      QSize(522, 154), toolwindow::Border::Fixed);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}
