#pragma once
#include <QString>

// Every path the program derives from the running executable, computed once
// at start and handed to each window.
struct ProgramPaths {
    QString programDir;      // folder of the executable, ending in "/"
    QString baseName;        // file name up to its last dot (whole name without one)
    QString dataDir;         // where written files go: programDir, or <config>/<baseName>/
    QString controlFile;     // dataDir + baseName + ".INI"
    QString programBasePath; // dataDir + baseName (the editor's ".bak" goes here)
    QString extensiveHelp;   // programDir + "ExtensiveHelp.hlp"
    QString editHelp;        // programDir + "EditHelp.txt"
    QString iconsDir;        // programDir + "Icons"
    QString listDir;         // dataDir: the e-mail lists and the editor's dialogs start here
    // The control file beside a program whose folder cannot be written (the
    // user's own file starts as its copy); empty when dataDir is programDir.
    QString shippedControlFile;

    // The file an installation lays beside the program: its folder belongs to
    // the package manager and is never written, whoever runs the program.
    static constexpr const char* InstalledMarker = "TabdeckV10.installed";

    // From an executable's full path. The per-user fallback, used when the
    // program folder cannot be written or is an installed copy's, is
    // configHome/<baseName>/; an empty configHome means homeDir/.config.
    static ProgramPaths fromExecutable(const QString& executablePath, const QString& homeDir,
                                       const QString& configHome = {});
    // For the running process.
    static ProgramPaths forRunningProgram();
};
