#include "filemanager/PathnookHelp.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PathnookHelp)
};
} // namespace

namespace pathnookhelp {

QString text() {
    static const char* const lines[] = {
        QT_TRANSLATE_NOOP("PathnookHelp", "    Pathnook Help"),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    1. Drive Box:"),
        QT_TRANSLATE_NOOP("PathnookHelp", "        Select the Drive you want to go to."),
        "    ",
        QT_TRANSLATE_NOOP("PathnookHelp", "    2. Create Folder (Directory) Box:"),
        QT_TRANSLATE_NOOP(
            "PathnookHelp",
            "        Enter the NewFolder name and click on the [Create Folder] button."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    3. File Path:"),
        QT_TRANSLATE_NOOP(
            "PathnookHelp",
            "        This is the full path to the file you selected in the File List Box."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    4. Folder Path:"),
        QT_TRANSLATE_NOOP(
            "PathnookHelp",
            "        This is the full path to the folder you selected in the Directory List Box."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    5. Directory List Box:"),
        QT_TRANSLATE_NOOP("PathnookHelp", "        Here you select a Folder (Directory)."),
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "        In  Here you can Open Folders or Delete Folders."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    6. File List Box:"),
        QT_TRANSLATE_NOOP("PathnookHelp", "        Here you select a File."),
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "        In this box you can Open Files, or Delete Files."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    Setup Page Help"),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    1. Select Program Color:"),
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "        Here you select the background color for Pathnook."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    2. Set Default Color:"),
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "        Here you set the default background color for Pathnook."),
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "        The default color is clBtnFace, the color of the buttons on"),
        QT_TRANSLATE_NOOP("PathnookHelp", "        your computer."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    3. Select File Filter:"),
        QT_TRANSLATE_NOOP(
            "PathnookHelp",
            "        Here you select the file filter you want to use in the File List"),
        QT_TRANSLATE_NOOP("PathnookHelp", "        Box."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    4. Add File Filter:"),
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "        This has a help file, that shows you how to add File Filters."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    5. Registry Box Selection:"),
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "        This has a help file, that shows you how to us Registry Box"),
        QT_TRANSLATE_NOOP("PathnookHelp", "        Selection."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp", "    6. Remove File Filters:"),
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "        This is where you can remove File Filters you have added."),
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "        To open this featur Righr Click on the Select File Filter Box."),
        "",
        QT_TRANSLATE_NOOP("PathnookHelp",
                          "    Pathnook is part of TabdeckV10, made by the Tabdeck workshop."),
        QT_TRANSLATE_NOOP(
            "PathnookHelp",
            "    Questions and bug reports: use Report a Bug in the launcher's Help menu."),
    };
    QStringList out;
    for (const char* l : lines)
        out << Text::tr(l);
    return out.join(u'\n');
}

} // namespace pathnookhelp
