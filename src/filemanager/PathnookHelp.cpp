#include "filemanager/PathnookHelp.h"

#include <QStringList>

namespace pathnookhelp {

QString text() {
    static const char* const lines[] = {
        "    Pathnook Help",
        "",
        "    1. Drive Box:",
        "        Select the Drive you want to go to.",
        "    ",
        "    2. Create Folder (Directory) Box:",
        "        Enter the NewFolder name and click on the [Create Folder] button.",
        "",
        "    3. File Path:",
        "        This is the full path to the file you selected in the File List Box.",
        "",
        "    4. Folder Path:",
        "        This is the full path to the folder you selected in the Directory List Box.",
        "",
        "    5. Directory List Box:",
        "        Here you select a Folder (Directory).",
        "        In  Here you can Open Folders or Delete Folders.",
        "",
        "    6. File List Box:",
        "        Here you select a File.",
        "        In this box you can Open Files, or Delete Files.",
        "",
        "    Setup Page Help",
        "",
        "    1. Select Program Color:",
        "        Here you select the background color for Pathnook.",
        "",
        "    2. Set Default Color:",
        "        Here you set the default background color for Pathnook.",
        "        The default color is clBtnFace, the color of the buttons on",
        "        your computer.",
        "",
        "    3. Select File Filter:",
        "        Here you select the file filter you want to use in the File List",
        "        Box.",
        "",
        "    4. Add File Filter:",
        "        This has a help file, that shows you how to add File Filters.",
        "",
        "    5. Registry Box Selection:",
        "        This has a help file, that shows you how to us Registry Box",
        "        Selection.",
        "",
        "    6. Remove File Filters:",
        "        This is where you can remove File Filters you have added.",
        "        To open this featur Righr Click on the Select File Filter Box.",
        "",
        "    Pathnook is part of TabdeckV10, made by the Tabdeck workshop.",
        "    Questions and bug reports: use Report a Bug in the launcher's Help menu.",
    };
    QStringList out;
    for (const char* l : lines)
        out << QLatin1String(l);
    return out.join(u'\n');
}

} // namespace pathnookhelp
