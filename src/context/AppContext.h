#pragma once
#include "core/ProgramPaths.h"

#include <cstdint>
#include <functional>

class ControlFile;
class Opener;
class Prompts;
class ToolWindows;

// What every window is handed at start: the paths, the one control file,
// the prompts, the opener and the tool windows. Owned by main(); windows keep references.
struct AppContext {
    ProgramPaths paths;
    ControlFile* controlFile = nullptr;
    Prompts* prompts = nullptr;
    Opener* opener = nullptr;
    // Set once the tool windows exist (after the strip is made).
    ToolWindows* tools = nullptr;
    // The program colour: the strip's background as it is now (a colour
    // value of core/ColorText.h). Unset: the button face.
    std::function<uint32_t()> programColor;
};
