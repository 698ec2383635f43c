#include "dialogs/window/TReminder.h"

#include "context/AppContext.h"
#include "ui/ToolWindow.h"

#include <QPalette>

TReminder::TReminder(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    toolwindow::setUp(this, QStringLiteral("Reminder"), QStringLiteral(""), QSize(511, 247),
                      toolwindow::Border::None);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::red);
    setPalette(pal);
    setAutoFillBackground(true);
}
