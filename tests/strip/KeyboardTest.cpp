#include "KeyNames.h"
#include "RecordingLaunchEffects.h"
#include "RecordingOpener.h"
#include "RecordingStripValues.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "strip/ButtonLauncher.h"
#include "strip/Placement.h"
#include "strip/Selection.h"
#include "strip/ShownSettings.h"
#include "strip/StripKeys.h"
#include "strip/TableSwitcher.h"

#include <QTest>

using stripkeys::Kind;
using teststrip::parseKey;

namespace {
// Buttons 5, 41 (table 4, slot 5) and 360 hold targets; a launch hides the
// strip, which stands at (150, 200).
struct Keys {
    testsupport::TempDir dir;
    ControlFile file{dir.write(
        "TabdeckV10.INI", "[BUTTON]\r\n5=/opt/five\r\n41=/opt/forty-one\r\n360=/opt/last\r\n")};
    testsupport::RecordingStripValues view;
    testsupport::ScriptedPrompts prompts;
    testsupport::RecordingOpener opener;
    Selection selection;
    ShownSettings settings{view, file};
    TableSwitcher switcher{view, file};
    Placement placement{view, settings, prompts};
    QObject owner;
    testsupport::RecordingLaunchEffects effects;
    ButtonLauncher launcher{&owner, file, opener, selection, effects};
    StripKeyboard keyboard{view, selection, switcher, launcher, placement};

    Keys() {
        view.pos = QPoint(150, 200);
        effects.onHide = [this] { placement.hideStrip(); };
    }
};
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void commandFor_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("table");
        QTest::newRow("Ctrl+1") << "C-1" << int(Kind::Table) << 1;
        QTest::newRow("Ctrl+9") << "C-9" << int(Kind::Table) << 9;
        QTest::newRow("Ctrl+0 is table 10") << "C-0" << int(Kind::Table) << 10;
        QTest::newRow("digit alone") << "1" << int(Kind::None) << 0;
        QTest::newRow("Ctrl+Shift+1") << "CS-1" << int(Kind::None) << 0;
        QTest::newRow("Alt+Left") << "A-Left" << int(Kind::None) << 0;
        QTest::newRow("Shift+Left") << "S-Left" << int(Kind::None) << 0;
        QTest::newRow("Ctrl+Left") << "C-Left" << int(Kind::PreviousTable) << 0;
        QTest::newRow("Shift+F10") << "S-F10" << int(Kind::ButtonMenu) << 0;
        QTest::newRow("F10 alone") << "F10" << int(Kind::None) << 0;
        QTest::newRow("Menu") << "Menu" << int(Kind::ButtonMenu) << 0;
        QTest::newRow("Shift+Menu") << "S-Menu" << int(Kind::None) << 0;
        QTest::newRow("Ctrl+Shift+Menu") << "CS-Menu" << int(Kind::OptionsMenu) << 0;
        QTest::newRow("Ctrl+Return") << "C-Ret" << int(Kind::None) << 0;
    }
    void commandFor() {
        QFETCH(QString, key);
        QFETCH(int, kind);
        QFETCH(int, table);
        const auto [code, mods] = parseKey(key);
        const stripkeys::Command c = stripkeys::commandFor(code, mods);
        QCOMPARE(int(c.kind), kind);
        QCOMPARE(c.table, table);
        // The keypad's Enter and digits are the same keys.
        const stripkeys::Command keypad = stripkeys::commandFor(code, mods | Qt::KeypadModifier);
        QCOMPARE(int(keypad.kind), kind);
    }

    // Keys run on the strip's logic: the selection (with its mark and the
    // number in Label2), the table shown, what was opened and whether the
    // strip hid.
    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("hidden");
        const QString toLast = "C-0" + QString(" PgDn").repeated(20);
        QTest::newRow("right selects the first") << "Right" << 1 << 1 << "" << false;
        QTest::newRow("left selects the last") << "Left" << 12 << 1 << "" << false;
        QTest::newRow("right stops at 12") << "End Right" << 12 << 1 << "" << false;
        QTest::newRow("left stops at 1") << "Home Left" << 1 << 1 << "" << false;
        QTest::newRow("page down keeps the column")
            << "Right Right Right Right Right PgDn" << 17 << 2 << "" << false;
        QTest::newRow("ctrl right") << "C-Right" << 13 << 2 << "" << false;
        QTest::newRow("page up on table 1 does nothing") << "PgUp" << 0 << 1 << "" << false;
        QTest::newRow("ctrl 0 is table 10") << "C-0" << 109 << 10 << "" << false;
        QTest::newRow("ctrl 4 then back") << "C-4 End C-Left" << 36 << 3 << "" << false;
        QTest::newRow("table 30 reached") << toLast << 349 << 30 << "" << false;
        QTest::newRow("past table 30") << toLast + " PgDn C-Right End" << 360 << 30 << "" << false;
        QTest::newRow("return launches the selected")
            << "C-4 Home Right Right Right Right Ret" << 0 << 4 << "/opt/forty-one" << true;
        QTest::newRow("space launches")
            << "Home Right Right Right Right Space" << 0 << 1 << "/opt/five" << true;
        QTest::newRow("launch on table 30")
            << toLast + " End Enter" << 0 << 30 << "/opt/last" << true;
        QTest::newRow("return with nothing selected") << "Ret" << 0 << 1 << "" << false;
        QTest::newRow("empty button launches nothing") << "Right Ret" << 0 << 1 << "" << false;
        QTest::newRow("escape hides") << "Right Esc" << 1 << 1 << "" << true;
        QTest::newRow("digit without ctrl") << "4" << 0 << 1 << "" << false;
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(int, selected);
        QFETCH(int, table);
        QFETCH(QString, opened);
        QFETCH(bool, hidden);
        Keys k;
        for (const QString& token : keys.split(QLatin1Char(' '))) {
            const auto [code, mods] = parseKey(token);
            k.keyboard.run(stripkeys::commandFor(code, mods));
        }
        QCOMPARE(k.selection.button(), selected);
        QCOMPARE(k.switcher.shownTable(), table);
        QCOMPARE(k.view.shownTable, table);
        QCOMPARE(k.opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(k.view.pos.x() == Placement::leftEdge() - Placement::HiddenOffset, hidden);
        if (selected > 0 && !hidden) {
            QCOMPARE(k.view.buttonNumberText, QString::number(selected));
            QCOMPARE(k.view.keyboardMark, selected);
        } else if (!opened.isEmpty()) {
            QCOMPARE(k.view.keyboardMark, 0); // the launched button keeps no mark
        }
    }
};

TABDECK_TEST(KeyboardTest)
#include "KeyboardTest.moc"
