#include "StartupFixture.h"
#include "TestRegistry.h"
#include "strip/Placement.h"
#include "strip/StripKeys.h"
#include "strip/TableSwitcher.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/FindList.h"

#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

using stripkeys::Kind;

namespace {
// "C-Right" is Ctrl+Right, "S-F10" Shift+F10, "CS-Menu" Ctrl+Shift+Menu.
std::pair<int, Qt::KeyboardModifiers> parseKey(QString token) {
    Qt::KeyboardModifiers mods;
    if (const qsizetype dash = token.indexOf(QLatin1Char('-')); dash > 0) {
        const QString prefix = token.left(dash);
        if (prefix.contains(QLatin1Char('C')))
            mods |= Qt::ControlModifier;
        if (prefix.contains(QLatin1Char('S')))
            mods |= Qt::ShiftModifier;
        if (prefix.contains(QLatin1Char('A')))
            mods |= Qt::AltModifier;
        token = token.mid(dash + 1);
    }
    static const QHash<QString, int> named{
        {"Left", Qt::Key_Left},  {"Right", Qt::Key_Right}, {"Home", Qt::Key_Home},
        {"End", Qt::Key_End},    {"PgUp", Qt::Key_PageUp}, {"PgDn", Qt::Key_PageDown},
        {"Ret", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space},
        {"Esc", Qt::Key_Escape}, {"Menu", Qt::Key_Menu},   {"F10", Qt::Key_F10},
        {"Up", Qt::Key_Up},      {"Down", Qt::Key_Down},   {"Bksp", Qt::Key_Backspace},
    };
    if (named.contains(token))
        return {named.value(token), mods};
    if (token.size() == 1 && token[0].isLetter()) // a letter
        return {Qt::Key_A + token[0].toUpper().unicode() - u'A', mods};
    return {Qt::Key_0 + token.toInt(), mods}; // a digit
}

// Buttons 5, 41 (table 4, slot 5) and 360 hold targets; a launch hides the strip.
const QByteArray Ini = "[BUTTON]\r\n5=/opt/five\r\n41=/opt/forty-one\r\n360=/opt/last\r\n"
                       "[HIDE]\r\nHideMe=true\r\n[POS]\r\nTop=200\r\nLeft=150\r\n";
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

    // Keys typed on the real strip: the selection (with its mark and the
    // number in Label2), the table shown, what was opened and whether the
    // strip hid.
    void keysOnTheStrip_data() {
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
    void keysOnTheStrip() {
        QFETCH(QString, keys);
        QFETCH(int, selected);
        QFETCH(int, table);
        QFETCH(QString, opened);
        QFETCH(bool, hidden);
        startuptest::Strip s(Ini);
        for (const QString& token : keys.split(QLatin1Char(' '))) {
            const auto [code, mods] = parseKey(token);
            QTest::keyClick(s.form.get(), Qt::Key(code), mods);
        }
        QCOMPARE(s.form->selection().button(), selected);
        QCOMPARE(s.form->tableSwitcher().shownTable(), table);
        QCOMPARE(s.form->table(table)->isVisibleTo(s.form.get()), true);
        QCOMPARE(s.opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(s.form->x() == Placement::leftEdge() - Placement::HiddenOffset, hidden);
        int marks = 0;
        for (int n = 1; n <= 360; ++n)
            marks += s.form->buttonPicture(n)->focusMark() ? 1 : 0;
        if (selected > 0 && !hidden) {
            QCOMPARE(s.form->label2()->text(), QString::number(selected));
            QVERIFY(s.form->buttonPicture(selected)->focusMark());
            QCOMPARE(marks, 1);
        } else if (!opened.isEmpty()) {
            QCOMPARE(marks, 0); // the launched button keeps no mark
        }
    }

    // Typing on the strip finds buttons of every table; "Blur" takes the
    // focus away, "Move" moves the strip. The list's rows as a screen reader reads them, what was
    // opened and whether the strip hid.
    void typeToFind_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("listShown");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("hidden");
        const QStringList fives{"Button 5, table 1: five", "Button 41, table 4: forty-one"};
        QTest::newRow("a letter lists both tables' buttons") << "f" << true << fives << "" << false;
        QTest::newRow("the list follows the strip") << "f Move" << true << fives << "" << false;
        QTest::newRow("return launches the first")
            << "f Ret" << false << QStringList() << "/opt/five" << true;
        QTest::newRow("down stops at the last, up goes back")
            << "f Down Down Down Up Ret" << false << QStringList() << "/opt/five" << true;
        QTest::newRow("space joins, return launches")
            << "o p t Space l Ret" << false << QStringList() << "/opt/last" << true;
        QTest::newRow("a digit starts the find") << "4" << true << QStringList() << "" << false;
        QTest::newRow("no match: return launches nothing")
            << "f x Ret" << false << QStringList() << "" << false;
        // The empty buttons' hint is no target.
        QTest::newRow("empty buttons never match")
            << "m e n u Ret" << false << QStringList() << "" << false;
        QTest::newRow("backspace edits")
            << "f o r x Bksp Ret" << false << QStringList() << "/opt/forty-one" << true;
        QTest::newRow("backspace to nothing closes")
            << "f Bksp" << false << QStringList() << "" << false;
        QTest::newRow("escape closes, the strip stays")
            << "f Esc" << false << QStringList() << "" << false;
        QTest::newRow("a second escape hides")
            << "f Esc Esc" << false << QStringList() << "" << true;
        QTest::newRow("focus loss closes") << "f Blur" << false << QStringList() << "" << false;
        QTest::newRow("space without a query launches the selected")
            << "Home Right Right Right Right f Bksp Space" << false << QStringList() << "/opt/five"
            << true;
        QTest::newRow("ctrl+digit closes and switches")
            << "f C-4 Home Right Right Right Right Ret" << false << QStringList()
            << "/opt/forty-one" << true;
    }
    void typeToFind() {
        QFETCH(QString, keys);
        QFETCH(bool, listShown);
        QFETCH(QStringList, rows);
        QFETCH(QString, opened);
        QFETCH(bool, hidden);
        startuptest::Strip s(Ini);
        for (const QString& token : keys.split(QLatin1Char(' '))) {
            if (token == QLatin1String("Move")) {
                // A shown strip, as only that one tells its moves.
                s.form->show();
                QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
                s.form->move(s.form->pos() + QPoint(-40, 30));
                continue;
            }
            if (token == QLatin1String("Blur")) {
                QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(s.form.get(), &out);
                continue;
            }
            const auto [code, mods] = parseKey(token);
            QTest::keyClick(s.form.get(), Qt::Key(code), mods);
        }
        FindList& list = s.form->findList();
        QCOMPARE(list.isVisible(), listShown);
        QStringList shown;
        for (int i = 0; list.isVisible() && i < list.rows()->count(); ++i)
            shown << list.rows()->item(i)->text();
        QCOMPARE(shown, rows);
        if (!rows.isEmpty()) {
            QCOMPARE(list.rows()->currentRow(), 0);
            // Just under the strip, at its left edge.
            QCOMPARE(list.pos(), s.form->frameGeometry().bottomLeft() + QPoint(0, 1));
            // A screen reader meets the list and its rows by these names.
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list.rows());
            QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Find a button"));
            QCOMPARE(a->childCount(), int(rows.size()));
            QCOMPARE(a->child(0)->text(QAccessible::Name), rows[0]);
        }
        QCOMPARE(s.opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(s.form->x() == Placement::leftEdge() - Placement::HiddenOffset, hidden);
    }

    void menusFromTheKeyboard_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("menu");
        QTest::newRow("Menu") << "Menu"
                              << "PopupMenu1";
        QTest::newRow("Shift+F10") << "S-F10"
                                   << "PopupMenu1";
        QTest::newRow("Ctrl+Shift+Menu") << "CS-Menu"
                                         << "OptionsMenuBtn";
    }
    void menusFromTheKeyboard() {
        QFETCH(QString, key);
        QFETCH(QString, menu);
        startuptest::Strip s(Ini);
        QTest::keyClick(s.form.get(), Qt::Key_Right);
        const auto [code, mods] = parseKey(key);
        QTest::keyClick(s.form.get(), Qt::Key(code), mods);
        QMenu* shown = s.form->findChild<QMenu*>(menu);
        QVERIFY(shown);
        QTRY_VERIFY_WITH_TIMEOUT(shown->isVisible(), 5000);
        shown->close();
        // The menu acts on the button the keyboard chose.
        QCOMPARE(s.form->selection().button(), 1);
    }

    // A repeat of a key that acts (the tail of one that chose a menu item)
    // does nothing; a repeated move moves.
    void heldKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("opened");
        QTest::newRow("return") << int(Qt::Key_Return) << 5 << "";
        QTest::newRow("space") << int(Qt::Key_Space) << 5 << "";
        QTest::newRow("escape") << int(Qt::Key_Escape) << 5 << "";
        QTest::newRow("menu") << int(Qt::Key_Menu) << 5 << "";
        QTest::newRow("right moves on") << int(Qt::Key_Right) << 6 << "";
    }
    void heldKeys() {
        QFETCH(int, key);
        QFETCH(int, selected);
        QFETCH(QString, opened);
        startuptest::Strip s(Ini);
        const int x = s.form->x();
        for (int k = 0; k < 5; ++k)
            QTest::keyClick(s.form.get(), Qt::Key_Right);
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(s.form.get(), &repeat);
        QCOMPARE(s.form->selection().button(), selected);
        QCOMPARE(s.opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(s.form->x(), x);
        QVERIFY(!s.form->findChild<QMenu*>("PopupMenu1")->isVisible());
    }

    void stripTakesFocus() {
        startuptest::Strip s(Ini);
        QVERIFY(s.form->focusPolicy() & Qt::ClickFocus);
        QVERIFY(s.form->focusPolicy() & Qt::TabFocus);
        // A screen reader meets the keyboard's selection as the focused button.
        s.form->show();
        s.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
        QTest::keyClick(s.form.get(), Qt::Key_Right);
        QTest::keyClick(s.form.get(), Qt::Key_Right);
        auto focused = [&](int n) {
            return QAccessible::queryAccessibleInterface(s.form->buttonPicture(n))->state().focused;
        };
        QVERIFY(focused(2));
        QVERIFY(!focused(1));
    }
};

TABDECK_TEST(KeyboardTest)
#include "KeyboardTest.moc"
