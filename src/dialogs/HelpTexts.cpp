#include "dialogs/HelpTexts.h"

#include "dialogs/Maker.h"

#include <QCoreApplication>

namespace helptexts {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(HelpTexts)
};

// The captions and texts, in the help submenu's order.
// Translated when shown.
const struct {
    const char* caption;
    const char* text;
} Messages[MessageCount] = {
    {QT_TRANSLATE_NOOP("HelpTexts", "Main Menu Help:"),
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Main Menu:\r"
         "\r"
         "Right Click on a Button to bring up the Main Menu.\r"
         "\r"
         "Open: Here you open about any type of file, folder or webaddress to install on the "
         "selected button. A Windows Shortcut for files, folders and webaddresses will not work in "
         "TabdeckV10. To install a folder or webaddress on a button, Drag & Drop them on the "
         "button. When a file, folder or webaddress that does not have a icon in it, is opened or "
         "Drag & Dropped on a button, a Picture Dialog opens to let you select a icon for the "
         "button.\r"
         "\r"
         "TIP for ICONS:\r"
         "In the Main Menu go to Options, Extract Icons..., and extract some icons for the buttons "
         "to use.\r"
         "\r"
         "Cut: Here you cut the button application from the selected button, so you can move "
         "(Paste) it on another button.\r"
         "\r"
         "Paste: Here you paste the button application you cut to the button you select. This "
         "moves Button 1 App to Button 2. Button 1 and Button 2 = the buttons you selected.\r"
         "\r"
         "Delete: Here you Delete the application from the button. Then you can install another "
         "application on the button.\r"
         "\r"
         "File Prop...: Here you get the selected button's file's properties. A Dialog Box opens "
         "where you can copy the file's properties to the clipboard. Right Click in the Dialog Box "
         "to bring up the Edit Menu.\r")},
    {QT_TRANSLATE_NOOP("HelpTexts", "Tables Menu Help:"),
     QT_TRANSLATE_NOOP(
         "HelpTexts", "Tables Menu:\r"
                      "\r"
                      "Right Click on the 3 Disk Icon to bring up the Tables Menu. Here you select "
                      "which table you want to open. There are 30 Tables with 12 Buttons on each "
                      "Table, for a total of 360 Buttons.\r")},
    {QT_TRANSLATE_NOOP("HelpTexts", "Main Menu Help:"),
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Options:\r"
         "\r"
         "Rename Tables: Here you rename the tables to any name you want. This makes it better for "
         "you to locate applications in the 30 Tables.\r"
         "\r"
         "E-mail...: Here you E-mail a document or file. The E-mail Dialog Box has it's own Help "
         "Files.\r"
         "\r"
         "Extract Icons...: Here you extract Icons from *.exe and *.dll files. You use the icons "
         "for the buttons when a file does not have it's own icon. Folders and webaddress do not "
         "have a icon in them that TabdeckV10 can extract and use on a button, so you have to "
         "select a icon for the button. Extract Icons has it's own Help File.\r"
         "\r"
         "Convert Icons...: Here you convert Icons to Bitmaps. Convert Icons has it's own Help "
         "File.\r"
         "\r"
         "Files/Folders...: Here you work with files and folders. Files/Folders has it's own Help "
         "File.\r"
         "\r"
         "View Pictures...: Here you Open Pictures to view. View Pictures has it's own Help File.\r"
         "\r"
         "Close/Hide: Here you select to Close or Hide Tabdeck when you execute a button. If you "
         "select Hide then Tabdeck hides to the left side of the screen, so to open Tabdeck again "
         "just touch the red end of Tabdeck with the mouse pointerand it pops to the center of the "
         "screen to use again.\r"
         "\r"
         "App Style: Here you select the Application Style.\r"
         "Stay on Top: Tabdeck Stays on top of all applications.\r"
         "Normal: Tabdeck acts normal.\r")},
    {QT_TRANSLATE_NOOP("HelpTexts", "Main Menu Help:"),
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Properties:\r"
         "\r"
         "Colors:\r"
         "Button Color: Here you Set all the buttons color.\r"
         "Default Color: Here you Set the buttons to their default color, clBtFace.\r"
         "\r"
         "Table Color: Here you Set all the tables color.\r"
         "Default Color: Here you Set all the tables to their default color, clBtFace.\r"
         "\r"
         "Program Color: Here you Set Tabdeck's color.\r"
         "Default Color: Here you Set Tabdeck to it's default color, clBtnFace.\r"
         "\r"
         "Open With: Here you open with the selected table showing the next time Tabdeck opens.\r"
         "\r"
         "Reminder: Here you remind yourself in how long of time.\r"
         " Start: Here you Enter when to be reminded.\r"
         "Stop: Here you Stop Reminder.\r")},
    {QT_TRANSLATE_NOOP("HelpTexts", "Main Menu Help:"),
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Edit (*.ini):\r"
         "\r"
         "Here you can Edit the control file (*.ini file). The file TabdeckV10.ini is "
         "created the first time you open Tabdeck. Button information, program "
         "information and colors are stored in this file. Every time Tabdeck is opened "
         "it reads and uses this information.\r")},
    {QT_TRANSLATE_NOOP("HelpTexts", "Table PopUp Menu Help:"),
     QT_TRANSLATE_NOOP(
         "HelpTexts",
         "Table PopUp Menu:\r"
         "\r"
         "If you are Using Windows XP and you Right Click on a Table the Menu Pops Up. "
         "On the menu are some Windows Programs you can open.\r")},
    {QT_TRANSLATE_NOOP("HelpTexts", "Services PopUp Menu Help:"),
     QT_TRANSLATE_NOOP(
         "HelpTexts", "Services PopUp Menu:\r"
                      "\r"
                      "If you are Using Windows XP and you Right Click on the Door Icon a Services "
                      "Menu Pops Up. On the menu are some Windows Services Programs you can open. "
                      "Like Computer Managment, Device Manager, Disk Management and so on.\r")},
};

} // namespace

HelpMessage message(int number) {
    if (number < 1 || number > MessageCount)
        return {};
    const auto& m = Messages[number - 1];
    return {Text::tr(m.caption), Text::tr(m.text)};
}

Prompts::Box box(int number) {
    const HelpMessage m = message(number);
    return {m.caption, m.text, Prompts::Icon::Question, Prompts::Ok};
}

QString bugReportQuestion() {
    return Text::tr("Are you sure you want to send a bug report?\rThis opens your default "
                    "e-mail client!");
}

QString bugReportAddress() {
    // Plain concatenation, as the mail programs expect it; the opener's URL
    // handling encodes the blanks on the way out.
    return QStringLiteral("mailto:") + maker::SupportMail + QStringLiteral("?Subject=") +
           QStringLiteral("RE: BUG Put Application Name Here") + QStringLiteral("&Body=") +
           QStringLiteral("Explain the Bug:");
}

} // namespace helptexts
