#pragma once
// A control file as a user who filled every button has it: the notice, 360
// targets, 360 pictures and 30 table names (751 entries).
#include "core/ControlFile.h"
#include "core/DefaultControlFile.h"

namespace fullcontrolfile {

inline void fill(const QString& path) {
    ControlFile file(path);
    QList<ControlFile::Entry> entries;
    entries.append({"HELP_INFORMATION", "TabdeckV10", defaultcontrolfile::editingNotice()});
    for (int n = 1; n <= 360; ++n)
        entries.append({"BUTTON", QString::number(n),
                        QStringLiteral("/home/user/Programs/tool-%1/run.desktop").arg(n)});
    for (int n = 1; n <= 360; ++n)
        entries.append(
            {"ICON", QString::number(n), QStringLiteral("/home/user/Icons/pic%1.bmp").arg(n)});
    for (int t = 1; t <= 30; ++t)
        entries.append({"TABLENAME", QString::number(t), QStringLiteral("Table %1").arg(t)});
    file.writeAll(entries);
}

} // namespace fullcontrolfile
