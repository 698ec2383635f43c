#include "strip/ButtonMenu.h"

#include "strip/OpenWithMenu.h"
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

void renameItems(QMenu* menu, int first, int last) {
    for (int t = first; t <= last; ++t) {
        QAction* a = menu->addAction(QStringLiteral("Table %1").arg(t));
        a->setObjectName(QStringLiteral("RTable%1").arg(t));
        hints::set(a, QStringLiteral("Rename Table %1").arg(t));
    }
}

void buildOptions(QMenu* options) {
    QMenu* rename = submenu(options, "RenameTables1", QStringLiteral("Rename Tables"),
                            QStringLiteral("Rename the tables to any name you want"));
    QMenu* more3 = submenu(rename, "More3", QStringLiteral("More"), QStringLiteral("More tables"));
    QMenu* more5 = submenu(more3, "More5", QStringLiteral("More"), QStringLiteral("More tables"));
    renameItems(more5, 21, 30);
    item(more5, "Defaut1", QStringLiteral("Default"),
         QStringLiteral("Set all Tables to their default name"));
    renameItems(more3, 11, 20);
    renameItems(rename, 1, 10);

    options->addSeparator();
    item(options, "Email1", QStringLiteral("E-mail..."),
         QStringLiteral("E-mail a document or file"));
    options->addSeparator();
    item(options, "ExtractIcons1", QStringLiteral("Extract Icons..."),
         QStringLiteral("Extract Icons from *.exe and *.dll files"));
    options->addSeparator();
    item(options, "ConvertIcons5", QStringLiteral("Convert Icons..."),
         QStringLiteral("Convert Icons to Bitmaps"));
    options->addSeparator();
    item(options, "FilesFolders1", QStringLiteral("Files/Folders"),
         QStringLiteral("Work with files and folders"));
    options->addSeparator();
    item(options, "ViewPictures1", QStringLiteral("View Pictures..."),
         QStringLiteral("Open View Pictures"));
    options->addSeparator();

    QMenu* closeHide = submenu(options, "CloseHide1", QStringLiteral("Close/Hide"),
                               QStringLiteral("Close/Hide Tabdeck"));
    item(closeHide, "Close1", QStringLiteral("Close"), QStringLiteral("Close on execute"))
        ->setEnabled(false);
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
    for (QAction* a : {onTop, normal}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    normal->setChecked(true);
}

void buildProperties(QMenu* properties) {
    QMenu* colors =
        submenu(properties, "Colors1", QStringLiteral("Colors"), QStringLiteral("Colors Menu"));
    item(colors, "AllButtons1", QStringLiteral("Button Color"),
         QStringLiteral("Set all the buttons color"));
    item(colors, "DefaultColor1", QStringLiteral("Default Color"),
         QStringLiteral("Set the buttons default color"));
    colors->addSeparator();
    item(colors, "AllTables1", QStringLiteral("Table Color"),
         QStringLiteral("Set all the tables color"));
    item(colors, "DefaultColor2", QStringLiteral("Default Color"),
         QStringLiteral("Set the tables default color"));
    colors->addSeparator();
    item(colors, "Program1", QStringLiteral("Program Color"),
         QStringLiteral("Set the program's color"));
    item(colors, "Default1", QStringLiteral("Default Color"),
         QStringLiteral("Set the program's default color"));

    properties->addSeparator();
    QMenu* openWith = buildOpenWithMenu(properties);
    properties->addMenu(openWith);
    properties->addSeparator();

    QMenu* reminder = submenu(properties, "Reminder1", QStringLiteral("Reminder"),
                              QStringLiteral("Remind me in ?"));
    item(reminder, "Start1", QStringLiteral("Start"), QStringLiteral("Enter when to be reminded"));
    item(reminder, "Stop1", QStringLiteral("Stop"), QStringLiteral("Stop Reminder"));
}

void buildHelp(QMenu* help) {
    item(help, "Hint1", QStringLiteral("Open Hint..."), QStringLiteral("Open/Close Hint Window"));
    help->addSeparator();
    item(help, "About1", QStringLiteral("About..."), QStringLiteral("Open About"));
    help->addSeparator();
    item(help, "TableHelp2", QStringLiteral("Main Menu Help..."), QStringLiteral("Main Menu Help"));
    item(help, "TableHelp1", QStringLiteral("Open Table Help..."),
         QStringLiteral("Open Table Help"));
    item(help, "ExtractConvert2", QStringLiteral("Options Help..."),
         QStringLiteral("Options Help"));
    item(help, "CloseHide2", QStringLiteral("Properties Help..."),
         QStringLiteral("Properties Help"));
    item(help, "EditiniHelp1", QStringLiteral("Edit (*.ini) Help..."),
         QStringLiteral("Edit (*.ini) Help"));
    item(help, "TableMenuHelp1", QStringLiteral("Table PopUp Menu Help..."),
         QStringLiteral("Right Click on a Table for a Menu"));
    item(help, "DragDrop5", QStringLiteral("Services PopUp Menu Help..."),
         QStringLiteral("Right Click on the Door Icon to bring up the Services PopUp Menu"));
    item(help, "ExtensiveHelp1", QStringLiteral("Extensive Help..."),
         QStringLiteral("Extensive Help File"));
    item(help, "BugReport2", QStringLiteral("Bug Reports..."), QStringLiteral("E-mail Bug Report"));
}
} // namespace

QMenu* build(QWidget* owner) {
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("PopupMenu1"));

    item(menu, "Open1", QStringLiteral("Open"),
         QStringLiteral("Open a application for the button"));
    item(menu, "Cut1", QStringLiteral("Cut"),
         QStringLiteral("Cut button application from the selected button"));
    item(menu, "Paste1", QStringLiteral("Paste"),
         QStringLiteral("Paste button application to the selected button"));
    item(menu, "Delete1", QStringLiteral("Delete"),
         QStringLiteral("Delete the application from the button"));
    item(menu, "FileProp1", QStringLiteral("File Prop..."),
         QStringLiteral("Get the file's properties"));
    menu->addSeparator();
    buildOptions(
        submenu(menu, "OptionsMenuBtn", QStringLiteral("Options"), QStringLiteral("Options Menu")));
    menu->addSeparator();
    buildProperties(submenu(menu, "PropertiesMenuBtn", QStringLiteral("Properties"),
                            QStringLiteral("Properties Menu")));
    menu->addSeparator();
    item(menu, "Edit1", QStringLiteral("Edit (*.ini)..."), QStringLiteral("Edit the control file"));
    menu->addSeparator();
    buildHelp(submenu(menu, "Help1", QStringLiteral("Help"), QStringLiteral("Help Menu")));
    menu->addSeparator();
    QAction* closeMenu =
        item(menu, "CloseMenu2", QStringLiteral("Close Menu"), QStringLiteral("Close this Menu"));
    // Drawn bold; choosing it only closes the menu.
    menu->setDefaultAction(closeMenu);
    return menu;
}

} // namespace buttonmenu
