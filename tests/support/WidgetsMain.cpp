#include "ScriptedPrompts.h"
#include "TestRunner.h"

#include <QApplication>
#include <QDialog>

namespace {
QString dialogName(QDialog& dialog) {
    return dialog.objectName();
}
// Shown as the program would, handed to the test, then dismissed if still up.
void runModal(QDialog& dialog, const std::function<void(QDialog&)>& whileShown) {
    dialog.show();
    if (whileShown)
        whileShown(dialog);
    if (dialog.isVisible())
        dialog.reject();
}
} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testsupport::ScriptedPrompts::modalRunner = {&dialogName, &runModal};
    return testsupport::runTests(argc, argv);
}
