#include "StartupFixture.h"
#include "TestRegistry.h"
#include "strip/Placement.h"
#include "strip/TableLoader.h"
#include "strip/window/ButtonImage.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMenu>
#include <QTest>

namespace {
const QString Press = QAccessibleActionInterface::pressAction();
const QString ShowMenu = QAccessibleActionInterface::showMenuAction();
const QByteArray Ini = "[BUTTON]\r\n5=/opt/five\r\n[ICON]\r\n5=/opt/five.bmp\r\n"
                       "[HIDE]\r\nHideMe=true\r\n"
                       "[POS]\r\nTop=200\r\nLeft=150\r\n";

QAccessibleInterface* accessible(const startuptest::Strip& s, const QString& name) {
    QObject* o = name == QLatin1String("Form1") ? s.form.get() : s.form->findChild<QObject*>(name);
    return o ? QAccessible::queryAccessibleInterface(o) : nullptr;
}
} // namespace

// The strip as a screen reader meets it.
class StripAccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void controls_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("strip") << "Form1" << int(QAccessible::Window) << "TabdeckV10"
                               << QStringList();
        QTest::newRow("first button") << "img1" << int(QAccessible::Button)
                                      << "Button 1, table 1: Right Click for Menu. Or Drag & Drop."
                                      << QStringList{Press, ShowMenu};
        QTest::newRow("a filled button")
            << "img5" << int(QAccessible::Button) << "Button 5, table 1: five"
            << QStringList{Press, ShowMenu};
        QTest::newRow("last button")
            << "img360" << int(QAccessible::Button)
            << "Button 360, table 30: Right Click for Menu. Or Drag & Drop."
            << QStringList{Press, ShowMenu};
        QTest::newRow("door") << "ImageExit" << int(QAccessible::Button) << "Exit"
                              << QStringList{Press};
        QTest::newRow("hide bar") << "LabelHide" << int(QAccessible::Button) << "Hide"
                                  << QStringList{Press};
        QTest::newRow("move handle")
            << "ImageMove" << int(QAccessible::Grip) << "Move handle" << QStringList();
    }
    void controls() {
        QFETCH(QString, object);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QStringList, actions);
        startuptest::Strip s(Ini);
        // The hints, part of the buttons' names, come with the table loading.
        s.form->show();
        QTRY_VERIFY_WITH_TIMEOUT(s.form->tableLoader().finished(), 10000);
        s.form->makeAllTables();
        QAccessibleInterface* a = accessible(s, object);
        QVERIFY(a);
        QCOMPARE(int(a->role()), role);
        QCOMPARE(a->text(QAccessible::Name), name);
        QAccessibleActionInterface* act = a->actionInterface();
        QCOMPARE(act ? act->actionNames() : QStringList(), actions);
        // Descriptions are read as one line: no tooltip line breaks in them.
        QVERIFY(!a->text(QAccessible::Description).contains(QLatin1Char('\r')));
    }

    void emptyButtonDescribedOnOneLine() {
        startuptest::Strip s(Ini);
        QCOMPARE(accessible(s, "img2")->text(QAccessible::Description),
                 QStringLiteral("Right Click for Menu. Or Drag & Drop."));
    }

    // Each action does what the click it stands for does.
    void actions_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("menu");
        QTest::newRow("press a button") << "img5" << Press << "/opt/five" << true << false;
        QTest::newRow("press an empty button") << "img6" << Press << "" << false << false;
        QTest::newRow("button menu") << "img5" << ShowMenu << "" << false << true;
        QTest::newRow("press the hide bar") << "LabelHide" << Press << "" << true << false;
        QTest::newRow("an action it lacks") << "LabelHide" << ShowMenu << "" << false << false;
    }
    void actions() {
        QFETCH(QString, object);
        QFETCH(QString, action);
        QFETCH(QString, opened);
        QFETCH(bool, hidden);
        QFETCH(bool, menu);
        startuptest::Strip s(Ini);
        s.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
        accessible(s, object)->actionInterface()->doAction(action);
        QCOMPARE(s.opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(s.form->x() == Placement::leftEdge() - Placement::HiddenOffset, hidden);
        QMenu* buttonMenu = s.form->findChild<QMenu*>("PopupMenu1");
        if (menu) {
            QTRY_VERIFY_WITH_TIMEOUT(buttonMenu->isVisible(), 5000);
            // The menu acts on the button it was opened for.
            QCOMPARE(s.form->selection().button(), 5);
            buttonMenu->close();
        } else {
            QVERIFY(!buttonMenu->isVisible());
        }
    }
};

TABDECK_TEST(StripAccessibilityTest)
#include "StripAccessibilityTest.moc"
