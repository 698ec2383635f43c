#pragma once
#include "platform/HandOver.h"

#include <QByteArray>

// The program's own arguments: --help and --version print and end before
// anything is read or written; --show and --find [TEXT] ask the running
// strip (or the one this start becomes) to come forward, the second with
// type to find open on TEXT. Qt's own options (-platform, -display, ...)
// are left to Qt.
struct StartRequest {
    int exitStatus = -1; // 0 or more: end now with this status
    bool summon = false; // --show or --find was given
    // What a later start hands over; a start without arguments asks the
    // first to show itself too.
    handover::Request request;
};

// token: the desktop's startup or activation token from the environment;
// one that could not travel in a hand-over is dropped.
StartRequest handleCommandLine(int argc, char** argv, const QByteArray& token = {});
