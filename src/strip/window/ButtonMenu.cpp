#include "strip/window/ButtonMenu.h"

#include "strip/StripMenus.h"
#include "strip/window/MenuMnemonics.h"
#include "strip/window/OpenWithMenu.h"
#include "ui/HintRouter.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace buttonmenu {

namespace {
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
        QAction* a = menu->addAction(QStringLiteral("Table %1").arg(t));
        a->setObjectName(QStringLiteral("RTable%1").arg(t));
        hints::set(a, QStringLiteral("Rename Table %1").arg(t));
        into.renameTable[t] = a;
    }
}

void buildOptions(QMenu* options, StripMenus& m) {
    QMenu* rename = submenu(options, "RenameTables1", QStringLiteral("Rename Tables"),
                            QStringLiteral("Rename the tables to any name you want"));
    QMenu* more3 = submenu(rename, "More3", QStringLiteral("More"), QStringLiteral("More tables"));
    QMenu* more5 = submenu(more3, "More5", QStringLiteral("More"), QStringLiteral("More tables"));
    renameItems(more5, 21, 30, m);
    m.defaultTableNames = item(more5, "Defaut1", QStringLiteral("Default"),
                               QStringLiteral("Set all Tables to their default name"));
    renameItems(more3, 11, 20, m);
    renameItems(rename, 1, 10, m);

    options->addSeparator();
    m.email = item(options, "Email1", QStringLiteral("E-mail..."),
                   QStringLiteral("E-mail a document or file"));
    options->addSeparator();
    m.extractIcons = item(options, "ExtractIcons1", QStringLiteral("Extract Icons..."),
                          QStringLiteral("Extract Icons from *.exe and *.dll files"));
    options->addSeparator();
    m.convertIcons = item(options, "ConvertIcons5", QStringLiteral("Convert Icons..."),
                          QStringLiteral("Convert Icons to Bitmaps"));
    options->addSeparator();
    m.filesFolders = item(options, "FilesFolders1", QStringLiteral("Files/Folders"),
                          QStringLiteral("Work with files and folders"));
    options->addSeparator();
    m.viewPictures = item(options, "ViewPictures1", QStringLiteral("View Pictures..."),
                          QStringLiteral("Open View Pictures"));
    options->addSeparator();

    QMenu* closeHide = submenu(options, "CloseHide1", QStringLiteral("Close/Hide"),
                               QStringLiteral("Close/Hide Tabdeck"));
    m.closeOnLaunch =
        item(closeHide, "Close1", QStringLiteral("Close"), QStringLiteral("Close on execute"));
    m.closeOnLaunch->setEnabled(false);
    m.hideOnLaunch =
        item(closeHide, "Hide1", QStringLiteral("Hide"), QStringLiteral("Hide on execute"));
    options->addSeparator();

    QMenu* style = submenu(options, "Style1", QStringLiteral("App Style"),
                           QStringLiteral("Application Style"));
    auto* group = new QActionGroup(style);
    group->setExclusive(true);
    QAction* onTop = item(style, "StayOnTop1", QStringLiteral("Stay On Top"),
                          QStringLiteral("Stay on top of all applications"));
    QAction* normal =
        item(style, "Normal1", QStringLiteral("Normal"), QStringLiteral("Application act normal"));
    m.stayOnTop = onTop;
    m.normal = normal;
    for (QAction* a : {onTop, normal}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    normal->setChecked(true);
    m.startWithDesktop =
        item(options, "StartWithDesktop1", QStringLiteral("Start with the desktop"),
             QStringLiteral("Start the strip when you log in"));
    m.startWithDesktop->setCheckable(true);
}

void buildProperties(QMenu* properties, StripMenus& m) {
    QMenu* colors =
        submenu(properties, "Colors1", QStringLiteral("Colors"), QStringLiteral("Colors Menu"));
    m.buttonColor = item(colors, "AllButtons1", QStringLiteral("Button Color"),
                         QStringLiteral("Set all the buttons color"));
    m.buttonDefaultColor = item(colors, "DefaultColor1", QStringLiteral("Default Color"),
                                QStringLiteral("Set the buttons default color"));
    colors->addSeparator();
    m.tableColor = item(colors, "AllTables1", QStringLiteral("Table Color"),
                        QStringLiteral("Set all the tables color"));
    m.tableDefaultColor = item(colors, "DefaultColor2", QStringLiteral("Default Color"),
                               QStringLiteral("Set the tables default color"));
    colors->addSeparator();
    m.programColor = item(colors, "Program1", QStringLiteral("Program Color"),
                          QStringLiteral("Set the program's color"));
    m.programDefaultColor = item(colors, "Default1", QStringLiteral("Default Color"),
                                 QStringLiteral("Set the program's default color"));

    properties->addSeparator();
    QMenu* openWith = buildOpenWithMenu(properties, m.tableB);
    properties->addMenu(openWith);
    properties->addSeparator();

    QMenu* reminder = submenu(properties, "Reminder1", QStringLiteral("Reminder"),
                              QStringLiteral("Remind me in ?"));
    m.reminderStart = item(reminder, "Start1", QStringLiteral("Start"),
                           QStringLiteral("Enter when to be reminded"));
    m.reminderStop =
        item(reminder, "Stop1", QStringLiteral("Stop"), QStringLiteral("Stop Reminder"));
}

void buildHelp(QMenu* help, StripMenus& m) {
    m.hint = item(help, "Hint1", QStringLiteral("Open Hint..."),
                  QStringLiteral("Open/Close Hint Window"));
    help->addSeparator();
    m.about = item(help, "About1", QStringLiteral("About..."), QStringLiteral("Open About"));
    help->addSeparator();
    m.helpMessage[1] = item(help, "TableHelp2", QStringLiteral("Main Menu Help..."),
                            QStringLiteral("Main Menu Help"));
    m.helpMessage[2] = item(help, "TableHelp1", QStringLiteral("Open Table Help..."),
                            QStringLiteral("Open Table Help"));
    m.helpMessage[3] = item(help, "ExtractConvert2", QStringLiteral("Options Help..."),
                            QStringLiteral("Options Help"));
    m.helpMessage[4] = item(help, "CloseHide2", QStringLiteral("Properties Help..."),
                            QStringLiteral("Properties Help"));
    m.helpMessage[5] = item(help, "EditiniHelp1", QStringLiteral("Edit (*.ini) Help..."),
                            QStringLiteral("Edit (*.ini) Help"));
    m.helpMessage[6] = item(help, "TableMenuHelp1", QStringLiteral("Table PopUp Menu Help..."),
                            QStringLiteral("Right Click on a Table for a Menu"));
    m.helpMessage[7] =
        item(help, "DragDrop5", QStringLiteral("Services PopUp Menu Help..."),
             QStringLiteral("Right Click on the Door Icon to bring up the Services PopUp Menu"));
    m.extensiveHelp = item(help, "ExtensiveHelp1", QStringLiteral("Extensive Help..."),
                           QStringLiteral("Extensive Help File"));
    m.bugReport = item(help, "BugReport2", QStringLiteral("Bug Reports..."),
                       QStringLiteral("E-mail Bug Report"));
}
} // namespace

QMenu* build(QWidget* owner, StripMenus& m, QMenu** options) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("PopupMenu1"));

    m.open = item(menu, "Open1", QStringLiteral("Open"),
                  QStringLiteral("Open a application for the button"));
    m.cut = item(menu, "Cut1", QStringLiteral("Cut"),
                 QStringLiteral("Cut button application from the selected button"));
    m.paste = item(menu, "Paste1", QStringLiteral("Paste"),
                   QStringLiteral("Paste button application to the selected button"));
    m.remove = item(menu, "Delete1", QStringLiteral("Delete"),
                    QStringLiteral("Delete the application from the button"));
    m.fileProperties = item(menu, "FileProp1", QStringLiteral("File Prop..."),
                            QStringLiteral("Get the file's properties"));
    menu->addSeparator();
    QMenu* optionsMenu =
        submenu(menu, "OptionsMenuBtn", QStringLiteral("Options"), QStringLiteral("Options Menu"));
    buildOptions(optionsMenu, m);
    if (options)
        *options = optionsMenu;
    menu->addSeparator();
    buildProperties(submenu(menu, "PropertiesMenuBtn", QStringLiteral("Properties"),
                            QStringLiteral("Properties Menu")),
                    m);
    menu->addSeparator();
    m.editControlFile = item(menu, "Edit1", QStringLiteral("Edit (*.ini)..."),
                             QStringLiteral("Edit the control file"));
    menu->addSeparator();
    buildHelp(submenu(menu, "Help1", QStringLiteral("Help"), QStringLiteral("Help Menu")), m);
    menu->addSeparator();
    QAction* closeMenu =
        item(menu, "CloseMenu2", QStringLiteral("Close Menu"), QStringLiteral("Close this Menu"));
    // Drawn bold; choosing it only closes the menu.
    menu->setDefaultAction(closeMenu);
    QSet<const QAction*> tableItems;
    for (int t = 1; t <= 30; ++t)
        tableItems << m.renameTable[t] << m.tableB[t];
    menumnemonics::apply(menu, tableItems);
    return menu;
}

} // namespace buttonmenu
