#include "strip/OptionsMenu.h"
#include "RecordingStripView.h"
#include "RecordingTools.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "context/AppContext.h"
#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "strip/ShownSettings.h"
#include "strip/window/MenuWiring.h"
#include "strip/window/WindowStyle.h"
#include "ui/SystemColors.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <memory>

using testsupport::ScriptedPrompts;
using testsupport::TempDir;

class OptionsMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<ControlFile> file_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    AppContext context_;
    std::unique_ptr<teststrip::RecordingStripView> fake_;
    std::unique_ptr<ShownSettings> settings_;
    std::unique_ptr<OptionsMenu> options_;

    QString read(const QString& section, const QString& key) const {
        return file_->read(section, key, 256).text;
    }
    QByteArray fileBytes() const {
        QFile f(file_->path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() {
        dir_ = std::make_unique<TempDir>();
        file_ = std::make_unique<ControlFile>(dir_->file(QStringLiteral("TabdeckV10.INI")));
        file_->write(QStringLiteral("TABLENAME"), QStringLiteral("1"), QString());
        prompts_ = std::make_unique<ScriptedPrompts>();
        context_ = AppContext{};
        context_.controlFile = file_.get();
        context_.prompts = prompts_.get();
        fake_ = std::make_unique<teststrip::RecordingStripView>();
        settings_ = std::make_unique<ShownSettings>(*fake_, *file_);
        options_ = std::make_unique<OptionsMenu>(*fake_, *settings_, *prompts_);
        menuwiring::optionItems(&fake_->window, *prompts_, fake_->menus(), *options_,
                                [this] { return context_.tools; });
    }
    void cleanup() {
        QCOMPARE(prompts_->unexpectedCount(), 0);
        QVERIFY(prompts_->allUsed());
        fake_.reset();
        options_.reset();
        settings_.reset();
        file_.reset();
        dir_.reset();
    }

    void rename_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 1 << "Work";
        QTest::newRow("seventh empty") << 7 << "";
        QTest::newRow("last with spaces") << 30 << "  Games & Fun  ";
        QTest::newRow("255 characters") << 12 << QString(255, QLatin1Char('x'));
    }
    void rename() {
        QFETCH(int, table);
        QFETCH(QString, name);
        prompts_->expectInput(name);
        fake_->trigger(QStringLiteral("RTable%1").arg(table));

        const auto& shown = prompts_->shown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, ScriptedPrompts::Kind::Input);
        QCOMPARE(shown[0].input.caption, QStringLiteral("Rename Menu Item Table %1?").arg(table));
        QCOMPARE(shown[0].input.prompt, QStringLiteral("Enter the New Name:"));
        QCOMPARE(shown[0].input.initial, QStringLiteral("New Name"));
        QCOMPARE(shown[0].input.maxLength, 255);

        // A menu shows "&&" as "&": the name reads as typed, with no key letter.
        QCOMPARE(fake_->action(QStringLiteral("TableA%1").arg(table))->text(),
                 QString(name).replace(QLatin1Char('&'), QLatin1String("&&")));
        const ControlFile::Value v =
            file_->read(QStringLiteral("TABLENAME"), QString::number(table), 256);
        QCOMPARE(v.text, name.trimmed()); // the store drops surrounding blanks
        // Nothing else is renamed.
        for (int t = 1; t <= 30; ++t) {
            QCOMPARE(fake_->action(QStringLiteral("RTable%1").arg(t))->text(),
                     QStringLiteral("Table %1").arg(t));
            if (t != table)
                QCOMPARE(fake_->action(QStringLiteral("TableA%1").arg(t))->text(),
                         QStringLiteral("Table %1").arg(t));
        }
    }

    void renameCancelledChangesNothing() {
        const QByteArray before = fileBytes();
        prompts_->expectInput(std::nullopt);
        fake_->trigger(QStringLiteral("RTable4"));
        QCOMPARE(fake_->action(QStringLiteral("TableA4"))->text(), QStringLiteral("Table 4"));
        QCOMPARE(fileBytes(), before);
    }

    void renameLongerAnswerIsCut() {
        prompts_->expectInput(QString(300, QLatin1Char('a')));
        options_->RTableClick(3);
        QCOMPARE(fake_->action(QStringLiteral("TableA3"))->text().size(), 255);
        QCOMPARE(read(QStringLiteral("TABLENAME"), QStringLiteral("3")).size(), 255);
    }

    void defaultNames_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << int(Prompts::Yes);
        QTest::newRow("no") << int(Prompts::No);
    }
    void defaultNames() {
        QFETCH(int, answer);
        for (int t : {2, 15, 30}) {
            prompts_->expectInput(QStringLiteral("Name %1").arg(t));
            options_->RTableClick(t);
        }
        prompts_->expectBox(Prompts::Button(answer));
        fake_->trigger(QStringLiteral("Defaut1"));
        const Prompts::Box box = prompts_->lastBox();
        QCOMPARE(box.caption, QStringLiteral("Confirm"));
        QCOMPARE(box.text,
                 QStringLiteral("Are you sure you want to set the Tables to their Default Name?"));
        for (int t = 1; t <= 30; ++t) {
            const bool renamed = answer == Prompts::No && (t == 2 || t == 15 || t == 30);
            const QString caption =
                renamed ? QStringLiteral("Name %1").arg(t) : QStringLiteral("Table %1").arg(t);
            QCOMPARE(fake_->action(QStringLiteral("TableA%1").arg(t))->text(), caption);
            QCOMPARE(read(QStringLiteral("TABLENAME"), QString::number(t)),
                     renamed ? caption : QString());
        }
    }

    void chooseColor_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QStringList>("painted");
        QTest::addColumn<QStringList>("untouched");
        QTest::newRow("buttons") << "AllButtons1"
                                 << "BUTTCOLOR" << QStringList{"But1", "But13", "But360"}
                                 << QStringList{"Table1", "PanelLeft", "TForm1"};
        QTest::newRow("tables") << "AllTables1"
                                << "TABLECOLOR" << QStringList{"Table1", "Table30"}
                                << QStringList{"But1", "PanelRight", "TForm1"};
        QTest::newRow("program") << "Program1"
                                 << "PROCOLOR" << QStringList{"TForm1", "PanelLeft", "PanelRight"}
                                 << QStringList{"But1", "Table1"};
    }
    void chooseColor() {
        QFETCH(QString, item);
        QFETCH(QString, section);
        QFETCH(QStringList, painted);
        QFETCH(QStringList, untouched);
        const QColor orange(255, 128, 0);
        prompts_->expectColor(orange);
        fake_->trigger(item);
        QCOMPARE(read(section, QStringLiteral("Color")), QStringLiteral("$000080FF"));
        auto valueOf = [&](const QString& name) {
            QWidget* w = name == QLatin1String("TForm1") ? &fake_->window : fake_->widget(name);
            return systemcolors::backgroundValue(w);
        };
        for (const QString& name : painted)
            QCOMPARE(valueOf(name), 0x000080FFu);
        for (const QString& name : untouched)
            QVERIFY2(valueOf(name) != 0x000080FFu, qPrintable(name));
    }

    void colorCancelledChangesNothing() {
        const QByteArray before = fileBytes();
        prompts_->expectColor(std::nullopt).expectColor(std::nullopt).expectColor(std::nullopt);
        options_->AllButtons1Click();
        options_->AllTables1Click();
        options_->Program1Click();
        QCOMPARE(fileBytes(), before);
        QCOMPARE(systemcolors::backgroundValue(fake_->widget(QStringLiteral("But5"))),
                 colortext::BtnFace);
        QCOMPARE(options_->dialogColor(), QColor(Qt::black));
    }

    void dialogRemembersLastColor() {
        prompts_->expectColor(QColor(Qt::red))
            .expectColor(std::nullopt)
            .expectColor(QColor(0, 0, 255))
            .expectColor(std::nullopt);
        options_->AllButtons1Click();
        options_->AllButtons1Click();
        options_->Program1Click(); // one dialog shared by the three items
        options_->AllTables1Click();
        const auto& shown = prompts_->shown();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[0].initialColor, QColor(Qt::black));
        QCOMPARE(shown[1].initialColor, QColor(Qt::red));
        QCOMPARE(shown[2].initialColor, QColor(Qt::red)); // a cancel keeps the last choice
        QCOMPARE(shown[3].initialColor, QColor(0, 0, 255));
        // Restoring a default does not touch the dialog's colour.
        prompts_->expectBox(Prompts::Yes).expectColor(std::nullopt);
        options_->DefaultColor1Click();
        options_->AllButtons1Click();
        QCOMPARE(prompts_->shown().last().initialColor, QColor(0, 0, 255));
    }

    void defaultColor_data() {
        QTest::addColumn<QString>("chooseItem");
        QTest::addColumn<QString>("defaultItem");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QStringList>("painted");
        QTest::newRow("buttons") << "AllButtons1"
                                 << "DefaultColor1"
                                 << "Are you sure you want to set the buttons default color?"
                                 << "BUTTCOLOR" << QStringList{"But1", "But360"};
        QTest::newRow("tables") << "AllTables1"
                                << "DefaultColor2"
                                << "Are you sure you want to set the tables default color?"
                                << "TABLECOLOR" << QStringList{"Table1", "Table30"};
        QTest::newRow("program") << "Program1"
                                 << "Default1"
                                 << "Are you sure you want to set the program's default color?"
                                 << "PROCOLOR" << QStringList{"PanelLeft", "PanelRight"};
    }
    void defaultColor() {
        QFETCH(QString, chooseItem);
        QFETCH(QString, defaultItem);
        QFETCH(QString, question);
        QFETCH(QString, section);
        QFETCH(QStringList, painted);
        prompts_->expectColor(QColor(Qt::blue)).expectBox(Prompts::No).expectBox(Prompts::Yes);
        fake_->trigger(chooseItem);
        const QString chosen = read(section, QStringLiteral("Color"));
        QCOMPARE(chosen, colortext::encode(0x00FF0000u));

        fake_->trigger(defaultItem); // No
        QCOMPARE(prompts_->lastBox().text, question);
        QCOMPARE(prompts_->lastBox().caption, QStringLiteral("Confirm"));
        QCOMPARE(read(section, QStringLiteral("Color")), chosen);
        for (const QString& name : painted)
            QCOMPARE(systemcolors::backgroundValue(fake_->widget(name)), 0x00FF0000u);

        fake_->trigger(defaultItem); // Yes
        const ControlFile::Value v = file_->read(section, QStringLiteral("Color"), 80);
        QCOMPARE(v.length, 0);
        // The key stays, holding the empty string.
        QVERIFY(fileBytes().contains(section.toLatin1() + "]\r\nColor=\r\n"));
        for (const QString& name : painted)
            QCOMPARE(systemcolors::backgroundValue(fake_->widget(name)), colortext::BtnFace);
        if (section == QLatin1String("PROCOLOR"))
            QCOMPARE(systemcolors::backgroundValue(&fake_->window), colortext::BtnFace);
    }

    void closeHideItems() {
        options_->Hide1Click();
        QVERIFY(settings_->hideMode());
        QCOMPARE(file_->read("HIDE", "HideMe", 10).text, QStringLiteral("true"));
        QVERIFY(fake_->menus().closeOnLaunch->isEnabled());
        QVERIFY(!fake_->menus().hideOnLaunch->isEnabled());
        options_->Close1Click();
        QVERIFY(!settings_->hideMode());
        const ControlFile::Value v = file_->read("HIDE", "HideMe", 10);
        QCOMPARE(v.length, 0);
        QVERIFY(!fake_->menus().closeOnLaunch->isEnabled());
        QVERIFY(fake_->menus().hideOnLaunch->isEnabled());
        // The menu items reach the same handlers.
        fake_->menus().hideOnLaunch->trigger();
        QVERIFY(settings_->hideMode());
        fake_->menus().closeOnLaunch->trigger();
        QVERIFY(!settings_->hideMode());
    }

    void styleRadioPair() {
        QAction* onTop = fake_->action(QStringLiteral("StayOnTop1"));
        QAction* normal = fake_->action(QStringLiteral("Normal1"));
        fake_->trigger(QStringLiteral("StayOnTop1"));
        QVERIFY(onTop->isChecked());
        QVERIFY(!normal->isChecked());
        QCOMPARE(read(QStringLiteral("STYLE"), QStringLiteral("OnTop")), QStringLiteral("True"));
        QVERIFY(windowstyle::isStayOnTop(&fake_->window));
        fake_->trigger(QStringLiteral("Normal1"));
        QVERIFY(!onTop->isChecked());
        QVERIFY(normal->isChecked());
        QCOMPARE(file_->read(QStringLiteral("STYLE"), QStringLiteral("OnTop"), 10).length, 0);
        QVERIFY(!windowstyle::isStayOnTop(&fake_->window));
    }

    void styleChangeKeepsTheStrip_data() {
        QTest::addColumn<QPoint>("place");
        QTest::newRow("on screen") << QPoint(100, 200);
        QTest::newRow("hidden at the left edge") << QPoint(-611, 300);
    }
    void styleChangeKeepsTheStrip() {
        QFETCH(QPoint, place);
        QWidget* strip = &fake_->window;
        strip->setAcceptDrops(true);
        strip->move(place);
        strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(strip));
        prompts_->expectColor(QColor(10, 20, 30));
        options_->AllTables1Click();
        fake_->widget(QStringLiteral("Table1"))->hide();
        fake_->widget(QStringLiteral("Table9"))->show();
        fake_->widget(QStringLiteral("But100"))->setToolTip(QStringLiteral("a.txt"));
        for (const char* item : {"StayOnTop1", "Normal1", "StayOnTop1"}) {
            fake_->trigger(QLatin1String(item));
            QVERIFY(strip->isVisible());
            QCOMPARE(strip->pos(), place);
            QVERIFY(strip->acceptDrops());
            QVERIFY(fake_->widget(QStringLiteral("Table9"))->isVisible());
            QVERIFY(!fake_->widget(QStringLiteral("Table1"))->isVisible());
            QCOMPARE(systemcolors::backgroundValue(fake_->widget(QStringLiteral("Table9"))),
                     0x001E140Au);
            QCOMPARE(fake_->widget(QStringLiteral("But100"))->toolTip(), QStringLiteral("a.txt"));
        }
    }

    void toolWindows_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("e-mail") << "Email1"
                                << "showEmail";
        QTest::newRow("extract icons") << "ExtractIcons1"
                                       << "showIconExtractor";
        QTest::newRow("convert icons") << "ConvertIcons5"
                                       << "showIconConverter";
        QTest::newRow("files and folders") << "FilesFolders1"
                                           << "showFileManager";
        QTest::newRow("view pictures") << "ViewPictures1"
                                       << "showPictureViewer";
        QTest::newRow("edit") << "Edit1"
                              << "showEditor";
    }
    // Each item reaches its window through the tool-window handle, once;
    // showing it modeless and unminimised is the handle's part.
    void toolWindows() {
        QFETCH(QString, item);
        QFETCH(QString, window);
        teststrip::RecordingTools tools;
        context_.tools = &tools;
        fake_->trigger(item);
        QCOMPARE(tools.calls, QStringList{window});
        fake_->trigger(item);
        QCOMPARE(tools.calls, (QStringList{window, window}));
        context_.tools = nullptr;
        fake_->trigger(item); // before the tool windows exist: nothing
        QCOMPARE(tools.calls.size(), 2);
    }
};

TABDECK_TEST(OptionsMenuTest)
#include "OptionsMenuTest.moc"
