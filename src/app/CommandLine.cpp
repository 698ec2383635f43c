#include "app/CommandLine.h"

#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstring>

#ifndef TABDECK_VERSION
#define TABDECK_VERSION "10.0"
#endif

namespace {

// Qt's options that take a value, and those that do not.
const char* const QtWithValue[] = {
    "-platform",        "-platformpluginpath", "-platformtheme", "-plugin", "-display", "-geometry",
    "-style",           "-stylesheet",         "-session",       "-name",   "-title",   "-visual",
    "-qwindowgeometry", "-qwindowtitle",       "-qwindowicon"};
const char* const QtFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

template <size_t N> bool among(const char* arg, const char* const (&list)[N]) {
    for (const char* o : list)
        if (std::strcmp(arg, o) == 0)
            return true;
    return false;
}

StartRequest ending(int status) {
    StartRequest r;
    r.exitStatus = status;
    return r;
}

// A text that a hand-over carries as it is: printable and within bounds.
bool findable(const QString& text) {
    return text.size() <= handover::MaxTextChars &&
           text.toUtf8().size() <= handover::MaxTextBytes &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

} // namespace

StartRequest handleCommandLine(int argc, char** argv, const QByteArray& token) {
    StartRequest start;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::printf(
                "Usage: TabdeckV10 [--show | --find [TEXT]] [--help] [--version]\n"
                "A launcher strip of 30 tables of 12 buttons for programs, documents,\n"
                "folders and addresses. Its settings are kept in TabdeckV10.INI beside\n"
                "the program, or in ~/.config/TabdeckV10/ when that folder is not\n"
                "writable.\n\n"
                "      --show       bring the running strip forward (start it if none runs)\n"
                "      --find TEXT  the same, with type to find open on TEXT\n"
                "  -h, --help       show this help and exit\n"
                "      --version    show the version and exit\n");
            return ending(0);
        }
        if (std::strcmp(arg, "--version") == 0) {
            std::printf("TabdeckV10 %s\n", TABDECK_VERSION);
            return ending(0);
        }
        if (std::strcmp(arg, "--show") == 0) {
            start.summon = true;
            continue;
        }
        const bool findWithValue = std::strncmp(arg, "--find=", 7) == 0;
        if (std::strcmp(arg, "--find") == 0 || findWithValue) {
            start.summon = true;
            start.request.kind = handover::Request::Kind::Find;
            // The text is the next word unless that is an option of its own.
            const char* text = findWithValue                           ? arg + 7
                               : i + 1 < argc && argv[i + 1][0] != '-' ? argv[++i]
                                                                       : "";
            start.request.text = QString::fromLocal8Bit(text);
            if (!findable(start.request.text)) {
                std::fprintf(stderr,
                             "TabdeckV10: the text to find must be printable and at most %d "
                             "characters\n",
                             handover::MaxTextChars);
                return ending(2);
            }
            continue;
        }
        if (among(arg, QtWithValue) && i + 1 < argc) {
            ++i;
            continue;
        }
        if (among(arg, QtFlags))
            continue;
        std::fprintf(stderr, "TabdeckV10: unknown option '%s' (try --help)\n", arg);
        return ending(2);
    }
    // A token the first could not read back is of no use to it.
    handover::Request probe;
    probe.token = token;
    if (handover::decode(handover::encode(probe)))
        start.request.token = token;
    return start;
}
