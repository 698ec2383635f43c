#include "strip/window/ButtonMenu.h"
#include "ScriptedPrompts.h"
#include "TestRegistry.h"
#include "strip/StripMenus.h"
#include "strip/window/LaunchOptionsWindow.h"
#include "strip/window/TablesMenu.h"
#include "ui/HintRouter.h"

#include <QAction>
#include <QDir>
#include <QFont>
#include <QMenu>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTest>
#include <QWidget>

namespace {
// One line per item: its depth in dashes' place, its name or "-" for a separator.
void outline(const QMenu* menu, int depth, QStringList& out) {
    for (const QAction* a : menu->actions()) {
        const QString indent(depth * 2, QLatin1Char(' '));
        if (a->isSeparator()) {
            out << indent + "-";
            continue;
        }
        out << indent + a->objectName();
        if (a->menu())
            outline(a->menu(), depth + 1, out);
    }
}

QStringList tables(const char* prefix, int first, int last, int depth) {
    QStringList out;
    for (int t = first; t <= last; ++t)
        out << QString(depth * 2, QLatin1Char(' ')) + QString::fromLatin1(prefix) +
                   QString::number(t);
    return out;
}
} // namespace

class ButtonMenuTest : public QObject {
    Q_OBJECT
private slots:
    // Launch Options' Browse...: the chooser starts at the folder typed when
    // it is one, else at the program's; a cancelled choice keeps the field.
    void launchOptionsBrowse_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("startsAt");
        QTest::addColumn<bool>("chosen");
        const QString tmp = QDir::tempPath();
        QTest::newRow("empty field") << QString() << "/usr/bin" << true;
        QTest::newRow("a folder typed") << tmp << tmp << true;
        QTest::newRow("no folder typed") << "/no/such/dir"
                                         << "/usr/bin" << true;
        QTest::newRow("cancelled") << tmp << tmp << false;
    }
    void launchOptionsBrowse() {
        QFETCH(QString, typed);
        QFETCH(QString, startsAt);
        QFETCH(bool, chosen);
        testsupport::ScriptedPrompts prompts;
        LaunchOptionsWindow window(QStringLiteral("/usr/bin/prog"), LaunchOptions{{}, typed, false},
                                   prompts, [](const LaunchOptions&) { return std::nullopt; });
        const QString answer = QStringLiteral("/home/u/work dir");
        prompts.expectFile(chosen ? std::optional<QString>(answer) : std::nullopt);
        window.findChild<QPushButton*>(QStringLiteral("FolderBrowse"))->click();
        QVERIFY(prompts.allUsed());
        QCOMPARE(prompts.shown().constLast().fileDialog.kind, Prompts::FileDialog::Folder);
        QCOMPARE(prompts.shown().constLast().fileDialog.folder, startsAt);
        QCOMPARE(window.shown().workingDir, chosen ? answer : typed);
    }

    void treeOrder() {
        QWidget owner;
        StripMenus menus;
        QMenu* menu = buttonmenu::build(&owner, menus);
        QCOMPARE(menu->objectName(), QStringLiteral("PopupMenu1"));
        QCOMPARE(menu->parent(), &owner);
        QStringList got;
        outline(menu, 0, got);
        QStringList want;
        want << "Open1"
             << "Cut1"
             << "Paste1"
             << "Delete1"
             << "FileProp1"
             << "LaunchOptions1"
             << "-"
             << "OptionsMenuBtn"
             << "  RenameTables1"
             << "    More3"
             << "      More5";
        want << tables("RTable", 21, 30, 4) << "        Defaut1";
        want << tables("RTable", 11, 20, 3) << tables("RTable", 1, 10, 2);
        want << "  -"
             << "  Email1"
             << "  -"
             << "  ExtractIcons1"
             << "  -"
             << "  ConvertIcons5"
             << "  -"
             << "  FilesFolders1"
             << "  -"
             << "  ViewPictures1"
             << "  -"
             << "  CloseHide1"
             << "    Close1"
             << "    Hide1"
             << "  -"
             << "  Style1"
             << "    StayOnTop1"
             << "    Normal1"
             << "  StartWithDesktop1";
        want << "-"
             << "PropertiesMenuBtn"
             << "  Colors1"
             << "    AllButtons1"
             << "    DefaultColor1"
             << "    -"
             << "    AllTables1"
             << "    DefaultColor2"
             << "    -"
             << "    Program1"
             << "    Default1"
             << "  -"
             << "  OpenWith1"
             << "    More2"
             << "      More6";
        want << tables("TableB", 21, 30, 4) << tables("TableB", 11, 20, 3)
             << tables("TableB", 1, 10, 2);
        want << "  -"
             << "  Reminder1"
             << "    Start1"
             << "    Stop1";
        want << "-"
             << "Edit1"
             << "-"
             << "Help1"
             << "  Hint1"
             << "  -"
             << "  About1"
             << "  -"
             << "  TableHelp2"
             << "  TableHelp1"
             << "  ExtractConvert2"
             << "  CloseHide2"
             << "  EditiniHelp1"
             << "  TableMenuHelp1"
             << "  DragDrop5"
             << "  ExtensiveHelp1"
             << "  BugReport2"
             << "-"
             << "CloseMenu2";
        QCOMPARE(got, want);
    }

    void captionsAndHints_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        auto row = [](const char* n, const char* c, const char* h) {
            QTest::newRow(n) << QString(n) << QString(c) << QString(h);
        };
        row("Open1", "Open", "Open a application for the button");
        row("Cut1", "Cut", "Cut button application from the selected button");
        row("Paste1", "Paste", "Paste button application to the selected button");
        row("Delete1", "Delete", "Delete the application from the button");
        row("FileProp1", "File Prop...", "Get the file's properties");
        row("LaunchOptions1", "Launch Options…",
            "Arguments, working folder and terminal of the program");
        row("OptionsMenuBtn", "Options", "Options Menu");
        row("RenameTables1", "Rename Tables", "Rename the tables to any name you want");
        row("More3", "More", "More tables");
        row("More5", "More", "More tables");
        row("RTable1", "Table 1", "Rename Table 1");
        row("RTable15", "Table 15", "Rename Table 15");
        row("RTable30", "Table 30", "Rename Table 30");
        row("Defaut1", "Default", "Set all Tables to their default name");
        row("Email1", "E-mail...", "E-mail a document or file");
        row("ExtractIcons1", "Extract Icons...", "Extract Icons from *.exe and *.dll files");
        row("ConvertIcons5", "Convert Icons...", "Convert Icons to Bitmaps");
        row("FilesFolders1", "Files/Folders", "Work with files and folders");
        row("ViewPictures1", "View Pictures...", "Open View Pictures");
        row("CloseHide1", "Close/Hide", "Close/Hide Tabdeck");
        row("Close1", "Close", "Close on execute");
        row("Hide1", "Hide", "Hide on execute");
        row("Style1", "App Style", "Application Style");
        row("StayOnTop1", "Stay On Top", "Stay on top of all applications");
        row("Normal1", "Normal", "Application act normal");
        row("StartWithDesktop1", "Start with the desktop", "Start the strip when you log in");
        row("PropertiesMenuBtn", "Properties", "Properties Menu");
        row("Colors1", "Colors", "Colors Menu");
        row("AllButtons1", "Button Color", "Set all the buttons color");
        row("DefaultColor1", "Default Color", "Set the buttons default color");
        row("AllTables1", "Table Color", "Set all the tables color");
        row("DefaultColor2", "Default Color", "Set the tables default color");
        row("Program1", "Program Color", "Set the program's color");
        row("Default1", "Default Color", "Set the program's default color");
        row("OpenWith1", "Open With",
            "Open with the selected table the next time the program opens");
        row("TableB12", "Table 12", "Open with Table 12");
        row("Reminder1", "Reminder", "Remind me in ?");
        row("Start1", "Start", "Enter when to be reminded");
        row("Stop1", "Stop", "Stop Reminder");
        row("Edit1", "Edit (*.ini)...", "Edit the control file");
        row("Help1", "Help", "Help Menu");
        row("Hint1", "Open Hint...", "Open/Close Hint Window");
        row("About1", "About...", "Open About");
        row("TableMenuHelp1", "Table PopUp Menu Help...", "Right Click on a Table for a Menu");
        row("BugReport2", "Bug Reports...", "E-mail Bug Report");
        row("CloseMenu2", "Close Menu", "Close this Menu");
    }
    void captionsAndHints() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QWidget owner;
        StripMenus menus;
        buttonmenu::build(&owner, menus);
        const QList<QAction*> found = owner.findChildren<QAction*>(name);
        QCOMPARE(found.size(), 1);
        QAction* a = found.first();
        QCOMPARE(QString(a->text()).remove(u'&'), caption);
        // The hint goes to the status bars while the item is highlighted.
        QCOMPARE(a->statusTip(), hint);
        QVERIFY(a->isVisible());
    }

    void initialStates() {
        QWidget owner;
        StripMenus menus;
        QMenu* menu = buttonmenu::build(&owner, menus);
        auto find = [](QWidget& o, const char* n) { return o.findChild<QAction*>(n); };
        QVERIFY(!find(owner, "Close1")->isEnabled());
        QVERIFY(find(owner, "Hide1")->isEnabled());
        QVERIFY(find(owner, "Normal1")->isChecked());
        QVERIFY(!find(owner, "StayOnTop1")->isChecked());
        // The style items take the mark in turn.
        find(owner, "StayOnTop1")->trigger();
        QVERIFY(!find(owner, "Normal1")->isChecked());
        QCOMPARE(menu->defaultAction(), find(owner, "CloseMenu2"));
        // Every item but Close1 is enabled, also those whose work comes from elsewhere.
        for (QAction* a : owner.findChildren<QAction*>()) {
            if (!a->objectName().isEmpty() && a->objectName() != "Close1")
                QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        }
        QVERIFY(owner.findChild<QMenu*>("OptionsMenuBtn"));
    }

    // The items the builders hand back are the ones carrying the names the
    // user and the end-to-end tests know.
    void handedItemsAreTheNamedOnes() {
        QWidget owner;
        StripMenus menus;
        QMenu* menu = buttonmenu::build(&owner, menus);
        QMenu* tablesMenu = buildTablesMenu(&owner, menus.tableA);
        QCOMPARE(menu->objectName(), QStringLiteral("PopupMenu1"));
        QCOMPARE(tablesMenu->objectName(), QStringLiteral("PopupMenu2"));
        const std::pair<const char*, QAction * StripMenus::*> single[] = {
            {"Open1", &StripMenus::open},
            {"Cut1", &StripMenus::cut},
            {"Paste1", &StripMenus::paste},
            {"Delete1", &StripMenus::remove},
            {"FileProp1", &StripMenus::fileProperties},
            {"LaunchOptions1", &StripMenus::launchOptions},
            {"Defaut1", &StripMenus::defaultTableNames},
            {"Email1", &StripMenus::email},
            {"ExtractIcons1", &StripMenus::extractIcons},
            {"ConvertIcons5", &StripMenus::convertIcons},
            {"FilesFolders1", &StripMenus::filesFolders},
            {"ViewPictures1", &StripMenus::viewPictures},
            {"Close1", &StripMenus::closeOnLaunch},
            {"Hide1", &StripMenus::hideOnLaunch},
            {"StayOnTop1", &StripMenus::stayOnTop},
            {"Normal1", &StripMenus::normal},
            {"AllButtons1", &StripMenus::buttonColor},
            {"DefaultColor1", &StripMenus::buttonDefaultColor},
            {"AllTables1", &StripMenus::tableColor},
            {"DefaultColor2", &StripMenus::tableDefaultColor},
            {"Program1", &StripMenus::programColor},
            {"Default1", &StripMenus::programDefaultColor},
            {"Start1", &StripMenus::reminderStart},
            {"Stop1", &StripMenus::reminderStop},
            {"Edit1", &StripMenus::editControlFile},
            {"Hint1", &StripMenus::hint},
            {"About1", &StripMenus::about},
            {"ExtensiveHelp1", &StripMenus::extensiveHelp},
            {"BugReport2", &StripMenus::bugReport},
        };
        for (const auto& [name, field] : single) {
            QAction* handed = menus.*field;
            QVERIFY2(handed, name);
            QCOMPARE(handed->objectName(), QLatin1String(name));
        }
        const char* const help[] = {"TableHelp2", "TableHelp1",   "ExtractConvert2",
                                    "CloseHide2", "EditiniHelp1", "TableMenuHelp1",
                                    "DragDrop5"};
        QVERIFY(!menus.helpMessage[0]);
        for (int i = 1; i <= 7; ++i)
            QCOMPARE(menus.helpMessage[i]->objectName(), QLatin1String(help[i - 1]));
        QVERIFY(!menus.renameTable[0] && !menus.tableA[0] && !menus.tableB[0]);
        for (int t = 1; t <= 30; ++t) {
            QCOMPARE(menus.renameTable[t]->objectName(), QStringLiteral("RTable%1").arg(t));
            QCOMPARE(menus.tableA[t]->objectName(), QStringLiteral("TableA%1").arg(t));
            QCOMPARE(menus.tableB[t]->objectName(), QStringLiteral("TableB%1").arg(t));
        }
    }

    void highlightSendsHint() {
        QWidget owner;
        StripMenus menus;
        QMenu* menu = buttonmenu::build(&owner, menus);
        struct Catcher : QObject {
            QString tip;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::StatusTip)
                    tip = static_cast<QStatusTipEvent*>(e)->tip();
                return false;
            }
        } catcher;
        menu->installEventFilter(&catcher);
        QAction* cut = owner.findChild<QAction*>("Cut1");
        cut->showStatusText(menu);
        QCOMPARE(catcher.tip, QStringLiteral("Cut button application from the selected button"));
    }
};

TABDECK_TEST(ButtonMenuTest)
#include "ButtonMenuTest.moc"
