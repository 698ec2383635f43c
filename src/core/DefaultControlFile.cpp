#include "DefaultControlFile.h"

#include "ButtonSlotSettings.h"
#include "ButtonSlots.h"
#include "ControlFile.h"
#include "Opener.h"
#include "ProgramPaths.h"
#include "RegularFile.h"
#include "StripSettings.h"

#include <QFileInfo>

namespace defaultcontrolfile {

QString editingNotice() {
    return QStringLiteral(
        "If you make changes to this file remember to save this file after the changes. "
        "DO NOT remove [BUTTON] or 1= etc. Only remove or add the text after the = sign...... "
        "TabdeckV10 for Linux is free software, written 2026 by the TabdeckV10 developers; "
        "you may use, copy and share it.");
}

} // namespace defaultcontrolfile

bool adoptShippedControlFile(ControlFile& file, const ProgramPaths& paths) {
    if (file.exists() || paths.shippedControlFile.isEmpty())
        return false;
    // An installed copy may come with its buttons: the user's own file
    // starts as a copy of the one beside the program.
    const regularfile::Result shipped = regularfile::read(paths.shippedControlFile);
    if (!shipped.ok())
        return false;
    file.replaceText(shipped.bytes);
    return true;
}

void createDefaultControlFile(ControlFile& file, const ProgramPaths& paths, Opener& opener,
                              QObject* owner) {
    if (file.exists() || adoptShippedControlFile(file, paths))
        return;
    QList<ControlFile::Entry> entries;
    entries.reserve(1 + 2 * buttonslots::ButtonCount + buttonslots::TableCount);
    entries.append({QStringLiteral("HELP_INFORMATION"), QStringLiteral("TabdeckV10"),
                    defaultcontrolfile::editingNotice()});
    entries.append(ButtonSlotSettings::emptySlots());
    entries.append(StripSettings::emptyTableNames());
    // One replacement: a crash during the first start leaves no half-made
    // file. No wait for the disk: the file holds nothing of the user's, a
    // start that finds none makes it again, and the first change the user
    // makes is written through to the disk with the whole file.
    file.writeAll(entries, atomicfile::Sync::Later);
    if (QFileInfo(paths.extensiveHelp).isFile())
        opener.open(owner, paths.extensiveHelp);
}
