#pragma once
#include "core/ProgramPaths.h"

class ControlFile;
class Opener;
class Prompts;

// What every window is handed at start: the paths, the one control file,
// the prompts and the opener. Owned by main(); windows keep references.
struct AppContext {
    ProgramPaths paths;
    ControlFile* controlFile = nullptr;
    Prompts* prompts = nullptr;
    Opener* opener = nullptr;
};
