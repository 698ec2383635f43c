#pragma once
#include <QString>

class ControlFile;
class Opener;
class QObject;
struct ProgramPaths;

// The first-run creation: when no control file exists, writes the editing
// notice, BUTTON 1..360, ICON 1..360 and TABLENAME 1..30 (all empty), then
// opens the extensive help file through the opener when it exists. A file
// that exists is left alone, byte for byte; a per-user file that does not
// exist yet starts as a copy of the program folder's file, when there is one.
void createDefaultControlFile(ControlFile& file, const ProgramPaths& paths, Opener& opener,
                              QObject* owner);

// Its first step alone: a missing file starts as a copy of the one shipped
// beside the program, when there is one; whether it did.
bool adoptShippedControlFile(ControlFile& file, const ProgramPaths& paths);

namespace defaultcontrolfile {
// HELP_INFORMATION "TabdeckV10": the editing notice.
QString editingNotice();
} // namespace defaultcontrolfile
