#pragma once
#include <QCoreApplication>
#include <QString>

namespace displaycheck {

// Empty when the X server the xcb platform would use answers; otherwise one
// line for the user saying why the program cannot start. Only asked when the
// chosen platform is xcb (or none was chosen).
QString x11Problem();

// Empty when the display is worth trying; otherwise the line above for a
// start without any display. Asks nothing of a server.
QString missingDisplay();

// Tells the desktop, for a user who started the program from a menu and
// sees no terminal, that the program needs XWayland and how to get it: a
// notification, waiting a few seconds at most for the service's answer.
void tellDesktop();

// Held while the application object is made. Qt's messages wait and are
// passed on when it is made; when Qt cannot open the display it ends the
// program with a generic message, which gives way to x11Problem()'s line and
// status 1. The server is only asked then, not on every start.
class FailureReport {
public:
    // `beforeTelling` runs before the desktop is told (the translation is installed then).
    explicit FailureReport(void (*beforeTelling)() = nullptr);
    ~FailureReport();
    FailureReport(const FailureReport&) = delete;
    FailureReport& operator=(const FailureReport&) = delete;
};

} // namespace displaycheck
