#include "app/CommandLine.h"

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

} // namespace

int handleCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::printf("Usage: TabdeckV10 [--help] [--version]\n"
                        "A launcher strip of 30 tables of 12 buttons for programs, documents,\n"
                        "folders and addresses. Its settings are kept in TabdeckV10.INI beside\n"
                        "the program, or in ~/.config/TabdeckV10/ when that folder is not\n"
                        "writable.\n\n"
                        "  -h, --help     show this help and exit\n"
                        "      --version  show the version and exit\n");
            return 0;
        }
        if (std::strcmp(arg, "--version") == 0) {
            std::printf("TabdeckV10 %s\n", TABDECK_VERSION);
            return 0;
        }
        if (among(arg, QtWithValue) && i + 1 < argc) {
            ++i;
            continue;
        }
        if (among(arg, QtFlags))
            continue;
        std::fprintf(stderr, "TabdeckV10: unknown option '%s' (try --help)\n", arg);
        return 2;
    }
    return -1;
}
