#include "RecordingTools.h"
#include "ScriptedPrompts.h"
#include "StartupFixture.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "context/AppContext.h"
#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "strip/OptionsMenu.h"
#include "strip/ShownSettings.h"
#include "strip/TableLoader.h"
#include "strip/window/WindowStyle.h"
#include "ui/SystemColors.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFrame>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using startuptest::Strip;

namespace {

QColor pixelAt(QWidget* w, int x, int y) {
    return w->grab().toImage().pixelColor(x, y);
}

// Drops one file on the strip with button n selected, as a drop from the
// desktop arrives; true when button n then holds it.
bool dropOnButton(Strip& s, int n, const QString& file) {
    s.form->selection().select(n);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(300, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.form.get(), &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(300, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.form.get(), &drop);
    s.prompts.expectBox(); // the notice naming the button
    const int before = s.prompts.boxes().size();
    if (!QTest::qWaitFor([&] { return s.prompts.boxes().size() > before; }, 5000))
        return false;
    return s.read("BUTTON", QByteArray::number(n).constData()) == file;
}

} // namespace

class OptionsOnStripTest : public QObject {
    Q_OBJECT
private slots:
    void everyItemIsWired() {
        Strip s;
        // Each item reaches its handler: the boxes they show prove it.
        s.prompts.expectInput(std::nullopt);
        s.action("RTable30")->trigger();
        s.prompts.expectBox(Prompts::No);
        s.action("Defaut1")->trigger();
        for (const char* item : {"AllButtons1", "AllTables1", "Program1"}) {
            s.prompts.expectColor(std::nullopt);
            s.action(QLatin1String(item))->trigger();
        }
        for (const char* item : {"DefaultColor1", "DefaultColor2", "Default1"}) {
            s.prompts.expectBox(Prompts::No);
            s.action(QLatin1String(item))->trigger();
        }
        QCOMPARE(s.prompts.shown().size(), 8);
        QVERIFY(s.prompts.allUsed());
        QCOMPARE(s.prompts.unexpectedCount(), 0);
        // The items without a box: what they set shows it.
        s.action("Hide1")->trigger();
        QVERIFY(s.form->settings().hideMode());
        s.action("Close1")->trigger();
        QVERIFY(!s.form->settings().hideMode());
        s.action("StayOnTop1")->trigger();
        QVERIFY(windowstyle::isStayOnTop(s.form.get()));
        s.action("Normal1")->trigger();
        QVERIFY(!windowstyle::isStayOnTop(s.form.get()));
    }

    void renameSurvivesRestart_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("afterRestart");
        QTest::newRow("empty name") << 7 << ""
                                    << "Table 7";
        QTest::newRow("a name") << 3 << "Games"
                                << "Games";
        QTest::newRow("one character") << 30 << "G"
                                       << "G";
        QTest::newRow("cut to 79 at start")
            << 12 << QString(100, QLatin1Char('n')) << QString(79, QLatin1Char('n'));
    }
    void renameSurvivesRestart() {
        QFETCH(int, table);
        QFETCH(QString, name);
        QFETCH(QString, afterRestart);
        Strip s;
        s.prompts.expectInput(name);
        s.action(QStringLiteral("RTable%1").arg(table))->trigger();
        QCOMPARE(s.action(QStringLiteral("TableA%1").arg(table))->text(), name);
        QCOMPARE(s.action(QStringLiteral("RTable%1").arg(table))->text(),
                 QStringLiteral("Table %1").arg(table));
        QCOMPARE(s.action(QStringLiteral("TableB%1").arg(table))->text(),
                 QStringLiteral("Table %1").arg(table));
        s.restart();
        QCOMPARE(s.action(QStringLiteral("TableA%1").arg(table))->text(), afterRestart);
        QCOMPARE(s.prompts.unexpectedCount(), 0);
    }

    void defaultNamesSurviveRestart() {
        Strip s;
        for (int t : {1, 20}) {
            s.prompts.expectInput(QStringLiteral("Mine"));
            s.action(QStringLiteral("RTable%1").arg(t))->trigger();
        }
        s.prompts.expectBox(Prompts::Yes);
        s.action("Defaut1")->trigger();
        s.restart();
        for (int t = 1; t <= 30; ++t) {
            QCOMPARE(s.action(QStringLiteral("TableA%1").arg(t))->text(),
                     QStringLiteral("Table %1").arg(t));
            QCOMPARE(s.file->read(QStringLiteral("TABLENAME"), QString::number(t), 80).length, 0);
        }
    }

    void colorsSurviveRestart() {
        Strip s;
        s.prompts.expectColor(QColor(0, 0, 200))
            .expectColor(QColor(200, 0, 0))
            .expectColor(QColor(0, 200, 0));
        s.action("AllButtons1")->trigger();
        s.action("AllTables1")->trigger();
        s.action("Program1")->trigger();
        // Program Color after Table Color leaves the tables alone.
        QCOMPARE(pixelAt(s.form.get(), 300, 2), QColor(200, 0, 0));
        s.restart();
        QCOMPARE(systemcolors::backgroundValue(s.form->buttonPanel(1)), 0x00C80000u);
        QCOMPARE(systemcolors::backgroundValue(s.form->buttonPanel(360)), 0x00C80000u);
        QCOMPARE(pixelAt(s.form.get(), 300, 2), QColor(200, 0, 0));
        QCOMPARE(pixelAt(s.form.get(), 25, 3), QColor(0, 200, 0));
        QCOMPARE(pixelAt(s.form.get(), 596, 3), QColor(0, 200, 0));
        QCOMPARE(s.prompts.unexpectedCount(), 0);
    }

    void programColorAloneRecoloursTables() {
        Strip s;
        s.prompts.expectColor(QColor(0, 200, 0));
        s.action("Program1")->trigger();
        QCOMPARE(pixelAt(s.form.get(), 300, 2), QColor(0, 200, 0));
        QCOMPARE(pixelAt(s.form.get(), 25, 3), QColor(0, 200, 0));
    }

    void tablesDefaultColorThenRestart() {
        Strip s;
        s.prompts.expectColor(QColor(0, 200, 0))
            .expectColor(QColor(200, 0, 0))
            .expectBox(Prompts::Yes);
        s.action("Program1")->trigger();
        s.action("AllTables1")->trigger();
        s.action("DefaultColor2")->trigger();
        const QColor face =
            systemcolors::resolve(colortext::BtnFace, QApplication::palette(s.form.get()));
        QVERIFY(face != QColor(0, 200, 0));
        // Button face on the tables although the program colour differs ...
        QCOMPARE(pixelAt(s.form.get(), 300, 2), face);
        QCOMPARE(s.file->read(QStringLiteral("TABLECOLOR"), QStringLiteral("Color"), 80).length, 0);
        // ... and the program colour after a restart.
        s.restart();
        QCOMPARE(pixelAt(s.form.get(), 300, 2), QColor(0, 200, 0));
    }

    void styleSurvivesRestart() {
        Strip s;
        s.action("StayOnTop1")->trigger();
        QCOMPARE(s.read("STYLE", "OnTop"), QStringLiteral("True"));
        s.restart();
        QVERIFY(windowstyle::isStayOnTop(s.form.get()));
        QVERIFY(s.action("StayOnTop1")->isChecked());
        QVERIFY(!s.action("Normal1")->isChecked());
        s.action("Normal1")->trigger();
        QCOMPARE(s.file->read(QStringLiteral("STYLE"), QStringLiteral("OnTop"), 10).length, 0);
        QVERIFY(!windowstyle::isStayOnTop(s.form.get()));
        s.restart();
        QVERIFY(!windowstyle::isStayOnTop(s.form.get()));
        QVERIFY(s.action("Normal1")->isChecked());
    }

    void dropsAfterStyleChange() {
        Strip s;
        const QString exe = QStringLiteral(TABDECK_TEST_DATA "/platform/pe32.exe");
        s.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
        const QPoint place = s.form->pos();
        s.form->showTable(4);
        s.action("StayOnTop1")->trigger();
        QVERIFY(s.form->isVisible());
        QCOMPARE(s.form->pos(), place);
        QVERIFY(s.form->table(4)->isVisible());
        QVERIFY(s.form->acceptDrops());
        QVERIFY(dropOnButton(s, 40, exe));
        QCOMPARE(s.form->buttonHint(40), QStringLiteral("pe32.exe"));

        s.action("Normal1")->trigger();
        QVERIFY(s.form->isVisible());
        QCOMPARE(s.form->pos(), place);
        QVERIFY(s.form->acceptDrops());
        QVERIFY(dropOnButton(s, 41, exe));
        QCOMPARE(s.prompts.unexpectedCount(), 0);
    }

    // A new window style keeps the strip where it stood, shown, taking drops,
    // with the table, colours and hints it had.
    void styleChangeKeepsTheStrip_data() {
        QTest::addColumn<QPoint>("place");
        QTest::newRow("on screen") << QPoint(100, 200);
        QTest::newRow("hidden at the left edge") << QPoint(-611, 300);
    }
    void styleChangeKeepsTheStrip() {
        QFETCH(QPoint, place);
        Strip s;
        s.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
        s.form->move(place);
        s.prompts.expectColor(QColor(10, 20, 30));
        s.action("AllTables1")->trigger();
        s.form->showTable(9);
        s.form->setButtonHint(100, QStringLiteral("a.txt"));
        for (const char* item : {"StayOnTop1", "Normal1", "StayOnTop1"}) {
            s.action(QLatin1String(item))->trigger();
            QVERIFY(s.form->isVisible());
            QCOMPARE(s.form->pos(), place);
            QVERIFY(s.form->acceptDrops());
            QVERIFY(s.form->table(9)->isVisible());
            QVERIFY(!s.form->table(1)->isVisible());
            QCOMPARE(systemcolors::backgroundValue(s.form->table(9)), 0x001E140Au);
            QCOMPARE(s.form->buttonHint(100), QStringLiteral("a.txt"));
        }
    }

    // Every box the strip's menu items show carries exactly its own caption.
    void captions_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("target"); // BUTTON 1 before the item
        QTest::addColumn<bool>("input");     // an input box, else a message box
        QTest::addColumn<QString>("caption");
        const QString title = QStringLiteral("TabdeckV10");
        QTest::newRow("delete empty") << "Delete1"
                                      << "" << false << title;
        QTest::newRow("delete filled") << "Delete1"
                                       << "/bin/true" << false << "Confirm";
        QTest::newRow("rename") << "RTable2"
                                << "" << true << "Rename Menu Item Table 2?";
        QTest::newRow("rename 30") << "RTable30"
                                   << "" << true << "Rename Menu Item Table 30?";
        QTest::newRow("default names") << "Defaut1"
                                       << "" << false << "Confirm";
        QTest::newRow("button colour") << "DefaultColor1"
                                       << "" << false << "Confirm";
        QTest::newRow("table colour") << "DefaultColor2"
                                      << "" << false << "Confirm";
        QTest::newRow("program colour") << "Default1"
                                        << "" << false << "Confirm";
    }
    void captions() {
        QFETCH(QString, item);
        QFETCH(QString, target);
        QFETCH(bool, input);
        QFETCH(QString, caption);
        Strip s;
        s.file->write("BUTTON", "1", target);
        s.form->selection().select(1);
        if (input)
            s.prompts.expectInput(std::nullopt);
        else
            s.prompts.expectBox(Prompts::No);
        QAction* a = s.action(item);
        QVERIFY(a);
        a->trigger();
        QCOMPARE(s.prompts.shown().size(), 1);
        const auto& shown = s.prompts.shown().constFirst();
        QCOMPARE(input ? shown.input.caption : shown.box.caption, caption);
    }

    // The button menu's items that belong to the tool windows reach them
    // through the typed handle, acting on the selected button where they need one.
    void toolItems_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("call");
        const char* const rows[][2] = {
            {"Email1", "showEmail"},
            {"ExtractIcons1", "showIconExtractor"},
            {"ConvertIcons5", "showIconConverter"},
            {"FilesFolders1", "showFileManager"},
            {"ViewPictures1", "showPictureViewer"},
            {"Edit1", "showEditor"},
            {"FileProp1", "showFileProperties 7"},
            {"Start1", "startReminder"},
            {"Stop1", "stopReminder"},
            {"Hint1", "toggleHintStrip"},
            {"About1", "showAbout"},
            {"TableHelp2", "showHelpMessage 1"},
            {"TableHelp1", "showHelpMessage 2"},
            {"ExtractConvert2", "showHelpMessage 3"},
            {"CloseHide2", "showHelpMessage 4"},
            {"EditiniHelp1", "showHelpMessage 5"},
            {"TableMenuHelp1", "showHelpMessage 6"},
            {"DragDrop5", "showHelpMessage 7"},
            {"ExtensiveHelp1", "showExtensiveHelp"},
            {"BugReport2", "reportBug"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }
    void toolItems() {
        QFETCH(QString, item);
        QFETCH(QString, call);
        Strip s;
        teststrip::RecordingTools tools;
        s.context.tools = &tools;
        s.form->selection().select(7);
        QAction* a = s.action(item);
        QVERIFY(a);
        a->trigger();
        QCOMPARE(tools.calls, QStringList{call});
        a->trigger();
        QCOMPARE(tools.calls, (QStringList{call, call}));
        s.context.tools = nullptr;
        a->trigger(); // before the tool windows exist: nothing
        QCOMPARE(tools.calls.size(), 2);
        QVERIFY(s.prompts.shown().isEmpty());
    }

    // The first start shows the program's own extensive help once the tool
    // windows exist, and only when the help file is there.
    void firstStartHelp_data() {
        QTest::addColumn<bool>("helpFile");
        QTest::addColumn<bool>("firstStart");
        QTest::addColumn<bool>("shown");
        QTest::newRow("first start with help") << true << true << true;
        QTest::newRow("first start without help") << false << true << false;
        QTest::newRow("later start") << true << false << false;
    }
    void firstStartHelp() {
        QFETCH(bool, helpFile);
        QFETCH(bool, firstStart);
        QFETCH(bool, shown);
        Strip s; // its first start had no help file
        s.form->show();
        s.form.reset();
        if (firstStart)
            QVERIFY(QFile::remove(s.context.paths.controlFile));
        if (helpFile)
            s.dir.write("ExtensiveHelp.hlp", "help");
        teststrip::RecordingTools tools;
        s.context.tools = nullptr;
        s.restart();
        QVERIFY(tools.calls.isEmpty()); // the tool windows do not exist yet
        s.context.tools = &tools;
        s.form->show();
        s.form->show();
        // The help follows the strip on screen, with the table loading.
        QTRY_VERIFY_WITH_TIMEOUT(s.form->tableLoader().finished(), 10000);
        QCOMPARE(tools.calls.count("showExtensiveHelp"), shown ? 1 : 0);
    }
};

TABDECK_TEST(OptionsOnStripTest)
#include "OptionsOnStripTest.moc"
