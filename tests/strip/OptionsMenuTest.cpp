#include "strip/OptionsMenu.h"
#include "RecordingStripValues.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "strip/ShownSettings.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <memory>

using testsupport::RecordingStripValues;
using testsupport::ScriptedPrompts;
using testsupport::TempDir;
using Target = StripSettings::ColorTarget;
Q_DECLARE_METATYPE(Target)

class OptionsMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<ControlFile> file_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<RecordingStripValues> fake_;
    std::unique_ptr<ShownSettings> settings_;
    std::unique_ptr<OptionsMenu> options_;

    QString read(const QString& section, const QString& key) const {
        return file_->read(section, key, 256).text;
    }
    QByteArray fileBytes() const {
        QFile f(file_->path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The item's handler, as the menu runs it.
    void click(const QString& item) {
        const std::pair<const char*, void (OptionsMenu::*)()> handlers[] = {
            {"Defaut1", &OptionsMenu::resetTableNames},
            {"AllButtons1", &OptionsMenu::chooseButtonColour},
            {"DefaultColor1", &OptionsMenu::resetButtonColour},
            {"AllTables1", &OptionsMenu::chooseTableColour},
            {"DefaultColor2", &OptionsMenu::resetTableColour},
            {"Program1", &OptionsMenu::chooseProgramColour},
            {"Default1", &OptionsMenu::resetProgramColour},
            {"StayOnTop1", &OptionsMenu::stayOnTop},
            {"Normal1", &OptionsMenu::stayNormal},
        };
        for (const auto& [name, handler] : handlers)
            if (item == QLatin1String(name))
                return (options_.get()->*handler)();
        QFAIL(qPrintable(item));
    }
    QAction* tableA(int t) const { return fake_->menus().tableA[t]; }

private slots:
    void init() {
        dir_ = std::make_unique<TempDir>();
        file_ = std::make_unique<ControlFile>(dir_->file(QStringLiteral("TabdeckV10.INI")));
        file_->write(QStringLiteral("TABLENAME"), QStringLiteral("1"), QString());
        prompts_ = std::make_unique<ScriptedPrompts>();
        fake_ = std::make_unique<RecordingStripValues>();
        settings_ = std::make_unique<ShownSettings>(*fake_, *file_);
        options_ = std::make_unique<OptionsMenu>(*fake_, *settings_, *prompts_);
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
        options_->renameTable(table);

        const auto& shown = prompts_->shown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].kind, ScriptedPrompts::Kind::Input);
        QCOMPARE(shown[0].input.caption, QStringLiteral("Rename Menu Item Table %1?").arg(table));
        QCOMPARE(shown[0].input.prompt, QStringLiteral("Enter the New Name:"));
        QCOMPARE(shown[0].input.initial, QStringLiteral("New Name"));
        QCOMPARE(shown[0].input.maxLength, 255);

        // A menu shows "&&" as "&": the name reads as typed, with no key letter.
        QCOMPARE(tableA(table)->text(),
                 QString(name).replace(QLatin1Char('&'), QLatin1String("&&")));
        const ControlFile::Value v =
            file_->read(QStringLiteral("TABLENAME"), QString::number(table), 256);
        QCOMPARE(v.text, name.trimmed()); // the store drops surrounding blanks
        // Nothing else is renamed.
        for (int t = 1; t <= 30; ++t) {
            QCOMPARE(fake_->menus().renameTable[t]->text(), QStringLiteral("Table %1").arg(t));
            QCOMPARE(fake_->menus().tableB[t]->text(), QStringLiteral("Table %1").arg(t));
            if (t != table)
                QCOMPARE(tableA(t)->text(), QStringLiteral("Table %1").arg(t));
        }
    }

    void renameCancelledChangesNothing() {
        const QByteArray before = fileBytes();
        prompts_->expectInput(std::nullopt);
        options_->renameTable(4);
        QCOMPARE(tableA(4)->text(), QStringLiteral("Table 4"));
        QCOMPARE(fileBytes(), before);
    }

    void renameLongerAnswerIsCut() {
        prompts_->expectInput(QString(300, QLatin1Char('a')));
        options_->renameTable(3);
        QCOMPARE(tableA(3)->text().size(), 255);
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
            options_->renameTable(t);
        }
        prompts_->expectBox(Prompts::Button(answer));
        options_->resetTableNames();
        const Prompts::Box box = prompts_->lastBox();
        QCOMPARE(box.caption, QStringLiteral("Confirm"));
        QCOMPARE(box.text,
                 QStringLiteral("Are you sure you want to set the Tables to their Default Name?"));
        for (int t = 1; t <= 30; ++t) {
            const bool renamed = answer == Prompts::No && (t == 2 || t == 15 || t == 30);
            const QString caption =
                renamed ? QStringLiteral("Name %1").arg(t) : QStringLiteral("Table %1").arg(t);
            QCOMPARE(tableA(t)->text(), caption);
            QCOMPARE(read(QStringLiteral("TABLENAME"), QString::number(t)),
                     renamed ? caption : QString());
        }
    }

    void chooseColor_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("section");
        QTest::addColumn<Target>("painted");
        QTest::newRow("buttons") << "AllButtons1"
                                 << "BUTTCOLOR" << Target::Buttons;
        QTest::newRow("tables") << "AllTables1"
                                << "TABLECOLOR" << Target::Tables;
        QTest::newRow("program") << "Program1"
                                 << "PROCOLOR" << Target::Program;
    }
    void chooseColor() {
        QFETCH(QString, item);
        QFETCH(QString, section);
        QFETCH(Target, painted);
        const QColor orange(255, 128, 0);
        prompts_->expectColor(orange);
        click(item);
        QCOMPARE(read(section, QStringLiteral("Color")), QStringLiteral("$000080FF"));
        // That target alone is painted.
        QCOMPARE(fake_->colors.size(), size_t(1));
        QCOMPARE(fake_->color(painted), std::optional<uint32_t>(0x000080FFu));
    }

    void colorCancelledChangesNothing() {
        const QByteArray before = fileBytes();
        prompts_->expectColor(std::nullopt).expectColor(std::nullopt).expectColor(std::nullopt);
        options_->chooseButtonColour();
        options_->chooseTableColour();
        options_->chooseProgramColour();
        QCOMPARE(fileBytes(), before);
        QVERIFY(fake_->colors.empty());
        QCOMPARE(options_->dialogColor(), QColor(Qt::black));
    }

    void dialogRemembersLastColor() {
        prompts_->expectColor(QColor(Qt::red))
            .expectColor(std::nullopt)
            .expectColor(QColor(0, 0, 255))
            .expectColor(std::nullopt);
        options_->chooseButtonColour();
        options_->chooseButtonColour();
        options_->chooseProgramColour(); // one dialog shared by the three items
        options_->chooseTableColour();
        const auto& shown = prompts_->shown();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[0].initialColor, QColor(Qt::black));
        QCOMPARE(shown[1].initialColor, QColor(Qt::red));
        QCOMPARE(shown[2].initialColor, QColor(Qt::red)); // a cancel keeps the last choice
        QCOMPARE(shown[3].initialColor, QColor(0, 0, 255));
        // Restoring a default does not touch the dialog's colour.
        prompts_->expectBox(Prompts::Yes).expectColor(std::nullopt);
        options_->resetButtonColour();
        options_->chooseButtonColour();
        QCOMPARE(prompts_->shown().last().initialColor, QColor(0, 0, 255));
    }

    void defaultColor_data() {
        QTest::addColumn<QString>("chooseItem");
        QTest::addColumn<QString>("defaultItem");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("section");
        QTest::addColumn<Target>("painted");
        QTest::newRow("buttons") << "AllButtons1"
                                 << "DefaultColor1"
                                 << "Are you sure you want to set the buttons default color?"
                                 << "BUTTCOLOR" << Target::Buttons;
        QTest::newRow("tables") << "AllTables1"
                                << "DefaultColor2"
                                << "Are you sure you want to set the tables default color?"
                                << "TABLECOLOR" << Target::Tables;
        QTest::newRow("program") << "Program1"
                                 << "Default1"
                                 << "Are you sure you want to set the program's default color?"
                                 << "PROCOLOR" << Target::Program;
    }
    void defaultColor() {
        QFETCH(QString, chooseItem);
        QFETCH(QString, defaultItem);
        QFETCH(QString, question);
        QFETCH(QString, section);
        QFETCH(Target, painted);
        prompts_->expectColor(QColor(Qt::blue)).expectBox(Prompts::No).expectBox(Prompts::Yes);
        click(chooseItem);
        const QString chosen = read(section, QStringLiteral("Color"));
        QCOMPARE(chosen, colortext::encode(0x00FF0000u));

        click(defaultItem); // No
        QCOMPARE(prompts_->lastBox().text, question);
        QCOMPARE(prompts_->lastBox().caption, QStringLiteral("Confirm"));
        QCOMPARE(read(section, QStringLiteral("Color")), chosen);
        QCOMPARE(fake_->color(painted), std::optional<uint32_t>(0x00FF0000u));

        click(defaultItem); // Yes
        const ControlFile::Value v = file_->read(section, QStringLiteral("Color"), 80);
        QCOMPARE(v.length, 0);
        // The key stays, holding the empty string.
        QVERIFY(fileBytes().contains(section.toLatin1() + "]\r\nColor=\r\n"));
        QCOMPARE(fake_->color(painted), std::optional<uint32_t>(colortext::BtnFace));
        QCOMPARE(fake_->colors.size(), size_t(1));
    }

    void closeHideItems() {
        options_->hideOnLaunch();
        QVERIFY(settings_->hideMode());
        QCOMPARE(file_->read("HIDE", "HideMe", 10).text, QStringLiteral("true"));
        QVERIFY(fake_->menus().closeOnLaunch->isEnabled());
        QVERIFY(!fake_->menus().hideOnLaunch->isEnabled());
        options_->closeOnLaunch();
        QVERIFY(!settings_->hideMode());
        const ControlFile::Value v = file_->read("HIDE", "HideMe", 10);
        QCOMPARE(v.length, 0);
        QVERIFY(!fake_->menus().closeOnLaunch->isEnabled());
        QVERIFY(fake_->menus().hideOnLaunch->isEnabled());
    }

    void styleRadioPair() {
        QAction* onTop = fake_->menus().stayOnTop;
        QAction* normal = fake_->menus().normal;
        options_->stayOnTop();
        QVERIFY(onTop->isChecked());
        QVERIFY(!normal->isChecked());
        QCOMPARE(read(QStringLiteral("STYLE"), QStringLiteral("OnTop")), QStringLiteral("True"));
        QVERIFY(fake_->stayOnTop);
        options_->stayNormal();
        QVERIFY(!onTop->isChecked());
        QVERIFY(normal->isChecked());
        QCOMPARE(file_->read(QStringLiteral("STYLE"), QStringLiteral("OnTop"), 10).length, 0);
        QVERIFY(!fake_->stayOnTop);
    }
};

TABDECK_TEST(OptionsMenuTest)
#include "OptionsMenuTest.moc"
