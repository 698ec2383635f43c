#include "TestRunner.h"

#include <QGuiApplication>

// Logic tests draw pictures and measure text, so they need the GUI
// application, but never a widget.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return testsupport::runTests(argc, argv);
}
