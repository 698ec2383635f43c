#include "strip/window/ButtonMenu.h"

#include "strip/StripMenus.h"
#include "strip/window/MenuMnemonics.h"
#include "strip/window/OpenWithMenu.h"
#include "ui/HintRouter.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace buttonmenu {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ButtonMenu)
};

QAction* item(QMenu* menu, const char* name, const QString& caption, const QString& hint) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    hints::set(a, hint);
    return a;
}

QMenu* submenu(QMenu* parent, const char* name, const QString& caption, const QString& hint) {
    auto* m = new QMenu(caption, parent);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    hints::set(m->menuAction(), hint);
    parent->addMenu(m);
    return m;
}

void renameItems(QMenu* menu, int first, int last, StripMenus& into) {
    for (int t = first; t <= last; ++t) {
        QAction* a = menu->addAction(Text::tr("Table %1").arg(t));
        a->setObjectName(QStringLiteral("RTable%1").arg(t));
        hints::set(a, Text::tr("Rename Table %1").arg(t));
        into.renameTable[t] = a;
    }
}

void buildOptions(QMenu* options, StripMenus& m) {
    QMenu* rename = submenu(options, "RenameTables1", Text::tr("Rename Tables"),
                            Text::tr("Rename the tables to any name you want"));
    QMenu* more3 = submenu(rename, "More3", Text::tr("More"), Text::tr("More tables"));
    QMenu* more5 = submenu(more3, "More5", Text::tr("More"), Text::tr("More tables"));
    renameItems(more5, 21, 30, m);
    m.defaultTableNames = item(more5, "Defaut1", Text::tr("Default"),
                               Text::tr("Set all Tables to their default name"));
    renameItems(more3, 11, 20, m);
    renameItems(rename, 1, 10, m);

    options->addSeparator();
    m.email = item(options, "Email1", Text::tr("E-mail..."), Text::tr("E-mail a document or file"));
    options->addSeparator();
    m.extractIcons = item(options, "ExtractIcons1", Text::tr("Extract Icons..."),
                          Text::tr("Extract Icons from *.exe and *.dll files"));
    options->addSeparator();
    m.convertIcons = item(options, "ConvertIcons5", Text::tr("Convert Icons..."),
                          Text::tr("Convert Icons to Bitmaps"));
    options->addSeparator();
    m.filesFolders = item(options, "FilesFolders1", Text::tr("Files/Folders"),
                          Text::tr("Work with files and folders"));
    options->addSeparator();
    m.viewPictures = item(options, "ViewPictures1", Text::tr("View Pictures..."),
                          Text::tr("Open View Pictures"));
    options->addSeparator();

    QMenu* closeHide =
        submenu(options, "CloseHide1", Text::tr("Close/Hide"), Text::tr("Close/Hide Tabdeck"));
    m.closeOnLaunch = item(closeHide, "Close1", Text::tr("Close"), Text::tr("Close on execute"));
    m.closeOnLaunch->setEnabled(false);
    m.hideOnLaunch = item(closeHide, "Hide1", Text::tr("Hide"), Text::tr("Hide on execute"));
    options->addSeparator();

    QMenu* style = submenu(options, "Style1", Text::tr("App Style"), Text::tr("Application Style"));
    auto* group = new QActionGroup(style);
    group->setExclusive(true);
    QAction* onTop = item(style, "StayOnTop1", Text::tr("Stay On Top"),
                          Text::tr("Stay on top of all applications"));
    QAction* normal =
        item(style, "Normal1", Text::tr("Normal"), Text::tr("Application act normal"));
    m.stayOnTop = onTop;
    m.normal = normal;
    for (QAction* a : {onTop, normal}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    normal->setChecked(true);
    m.startWithDesktop = item(options, "StartWithDesktop1", Text::tr("Start with the desktop"),
                              Text::tr("Start the strip when you log in"));
    m.startWithDesktop->setCheckable(true);
    // Before the last item, which keyboard users reach by wrapping up.
    if (m.summonShortcut)
        options->insertAction(m.startWithDesktop, m.summonShortcut);
}

void buildProperties(QMenu* properties, StripMenus& m) {
    QMenu* colors = submenu(properties, "Colors1", Text::tr("Colors"), Text::tr("Colors Menu"));
    m.buttonColor = item(colors, "AllButtons1", Text::tr("Button Color"),
                         Text::tr("Set all the buttons color"));
    m.buttonDefaultColor = item(colors, "DefaultColor1", Text::tr("Default Color"),
                                Text::tr("Set the buttons default color"));
    colors->addSeparator();
    m.tableColor =
        item(colors, "AllTables1", Text::tr("Table Color"), Text::tr("Set all the tables color"));
    m.tableDefaultColor = item(colors, "DefaultColor2", Text::tr("Default Color"),
                               Text::tr("Set the tables default color"));
    colors->addSeparator();
    m.programColor =
        item(colors, "Program1", Text::tr("Program Color"), Text::tr("Set the program's color"));
    m.programDefaultColor = item(colors, "Default1", Text::tr("Default Color"),
                                 Text::tr("Set the program's default color"));

    properties->addSeparator();
    QMenu* openWith = buildOpenWithMenu(properties, m.tableB);
    properties->addMenu(openWith);
    properties->addSeparator();

    QMenu* reminder =
        submenu(properties, "Reminder1", Text::tr("Reminder"), Text::tr("Remind me in ?"));
    m.reminderStart =
        item(reminder, "Start1", Text::tr("Start"), Text::tr("Enter when to be reminded"));
    m.reminderStop = item(reminder, "Stop1", Text::tr("Stop"), Text::tr("Stop Reminder"));
}

void buildHelp(QMenu* help, StripMenus& m) {
    m.hint = item(help, "Hint1", Text::tr("Open Hint..."), Text::tr("Open/Close Hint Window"));
    help->addSeparator();
    m.about = item(help, "About1", Text::tr("About..."), Text::tr("Open About"));
    help->addSeparator();
    m.helpMessage[1] =
        item(help, "TableHelp2", Text::tr("Main Menu Help..."), Text::tr("Main Menu Help"));
    m.helpMessage[2] =
        item(help, "TableHelp1", Text::tr("Open Table Help..."), Text::tr("Open Table Help"));
    m.helpMessage[3] =
        item(help, "ExtractConvert2", Text::tr("Options Help..."), Text::tr("Options Help"));
    m.helpMessage[4] =
        item(help, "CloseHide2", Text::tr("Properties Help..."), Text::tr("Properties Help"));
    m.helpMessage[5] =
        item(help, "EditiniHelp1", Text::tr("Edit (*.ini) Help..."), Text::tr("Edit (*.ini) Help"));
    m.helpMessage[6] = item(help, "TableMenuHelp1", Text::tr("Table PopUp Menu Help..."),
                            Text::tr("Right Click on a Table for a Menu"));
    m.helpMessage[7] =
        item(help, "DragDrop5", Text::tr("Services PopUp Menu Help..."),
             Text::tr("Right Click on the Door Icon to bring up the Services PopUp Menu"));
    m.extensiveHelp = item(help, "ExtensiveHelp1", Text::tr("Extensive Help..."),
                           Text::tr("Extensive Help File"));
    m.bugReport =
        item(help, "BugReport2", Text::tr("Bug Reports..."), Text::tr("E-mail Bug Report"));
}
} // namespace

QMenu* build(QWidget* owner, StripMenus& m, QMenu** options) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("PopupMenu1"));

    m.open = item(menu, "Open1", Text::tr("Open"), Text::tr("Open a application for the button"));
    m.cut = item(menu, "Cut1", Text::tr("Cut"),
                 Text::tr("Cut button application from the selected button"));
    m.paste = item(menu, "Paste1", Text::tr("Paste"),
                   Text::tr("Paste button application to the selected button"));
    m.remove = item(menu, "Delete1", Text::tr("Delete"),
                    Text::tr("Delete the application from the button"));
    m.fileProperties =
        item(menu, "FileProp1", Text::tr("File Prop..."), Text::tr("Get the file's properties"));
    m.launchOptions = item(menu, "LaunchOptions1", Text::tr("Launch Options…"),
                           Text::tr("Arguments, working folder and terminal of the program"));
    menu->addSeparator();
    QMenu* optionsMenu =
        submenu(menu, "OptionsMenuBtn", Text::tr("Options"), Text::tr("Options Menu"));
    buildOptions(optionsMenu, m);
    if (options)
        *options = optionsMenu;
    menu->addSeparator();
    buildProperties(
        submenu(menu, "PropertiesMenuBtn", Text::tr("Properties"), Text::tr("Properties Menu")), m);
    menu->addSeparator();
    m.editControlFile =
        item(menu, "Edit1", Text::tr("Edit (*.ini)..."), Text::tr("Edit the control file"));
    menu->addSeparator();
    buildHelp(submenu(menu, "Help1", Text::tr("Help"), Text::tr("Help Menu")), m);
    menu->addSeparator();
    QAction* closeMenu =
        item(menu, "CloseMenu2", Text::tr("Close Menu"), Text::tr("Close this Menu"));
    // Drawn bold; choosing it only closes the menu.
    menu->setDefaultAction(closeMenu);
    QSet<const QAction*> tableItems;
    for (int t = 1; t <= 30; ++t)
        tableItems << m.renameTable[t] << m.tableB[t];
    menumnemonics::apply(menu, tableItems);
    return menu;
}

} // namespace buttonmenu
