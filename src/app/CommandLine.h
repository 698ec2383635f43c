#pragma once

// The program takes no arguments of its own beyond --help and --version,
// which print and end before anything is read or written. Qt's own options
// (-platform, -display, ...) are left to Qt. Returns the exit status when the
// program should end now, or -1 to go on.
int handleCommandLine(int argc, char** argv);
