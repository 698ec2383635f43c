#include "strip/window/ButtonHandler.h"
#include "RecordingLaunchEffects.h"
#include "RecordingOpener.h"
#include "RecordingStripView.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "strip/ButtonLauncher.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

using testsupport::RecordingOpener;
using testsupport::ScriptedPrompts;
using testsupport::TempDir;

namespace {
struct Fixture {
    TempDir dir;
    ControlFile file{dir.file("TabdeckV10.INI")};
    ScriptedPrompts prompts;
    RecordingOpener opener;
    teststrip::RecordingStripView strip;
    Selection& selection = strip.selection;
    testsupport::RecordingLaunchEffects effects;
    ButtonLauncher launcher{&strip.window, file, opener, selection, effects};
    ButtonHandler handler{strip, selection, prompts, launcher};

    Fixture() { handler.attach(); }
    void show() {
        strip.window.move(100, 100);
        strip.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip.window));
    }
};
} // namespace

class ButtonHandlerTest : public QObject {
    Q_OBJECT
private slots:
    void moveSelectsAndShowsNumber_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("1") << 1;
        QTest::newRow("13") << 13;
        QTest::newRow("360") << 360;
    }
    void moveSelectsAndShowsNumber() {
        QFETCH(int, n);
        Fixture f;
        f.handler.imgMouseMove(n);
        QCOMPARE(f.selection.button(), n);
        QCOMPARE(f.strip.label2()->text(), QString::number(n));
    }

    void tableFreeAreaEmptiesLabelKeepsSelection() {
        Fixture f;
        f.show();
        // Real pointer moves: over button 3's picture, then over the table between buttons.
        QTest::mouseMove(f.strip.img(3), QPoint(10, 10));
        QCOMPARE(f.selection.button(), 3);
        QCOMPARE(f.strip.label2()->text(), QStringLiteral("3"));
        QTest::mouseMove(f.strip.table(1), QPoint(47, 25)); // between slot 1 and slot 2
        QCOMPARE(f.strip.label2()->text(), QString());
        QCOMPARE(f.selection.button(), 3);
    }

    void pictureMoveDoesNotReachTable() {
        Fixture f;
        f.show();
        f.strip.label2()->setText("x");
        QTest::mouseMove(f.strip.img(1), QPoint(5, 5));
        QTest::mouseMove(f.strip.img(1), QPoint(6, 6));
        QCOMPARE(f.strip.label2()->text(), QStringLiteral("1"));
    }

    // The press lowers the bevel; its release launches, as the press may
    // still become a drag; a release of another button, or after the press
    // became a drag, launches nothing.
    void leftPressLowersReleaseLaunches_data() {
        QTest::addColumn<int>("release");
        QTest::addColumn<bool>("dragged");
        QTest::addColumn<int>("launches");
        QTest::newRow("left release") << int(Qt::LeftButton) << false << 1;
        QTest::newRow("right release") << int(Qt::RightButton) << false << 0;
        QTest::newRow("became a drag") << int(Qt::LeftButton) << true << 0;
    }
    void leftPressLowersReleaseLaunches() {
        QFETCH(int, release);
        QFETCH(bool, dragged);
        QFETCH(int, launches);
        Fixture f;
        f.show();
        f.file.write("BUTTON", "2", "/usr/bin/foo");
        f.selection.select(2);
        QTest::mousePress(f.strip.img(2), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(f.handler.bevelLowered(2));
        QCOMPARE(f.strip.panel(2)->frameShadow(), QFrame::Sunken);
        QVERIFY(f.opener.opened.isEmpty());
        if (dragged) {
            f.handler.pressBecameDrag();
            QVERIFY(!f.handler.bevelLowered(2));
        }
        QTest::mouseRelease(f.strip.img(2), Qt::MouseButton(release), {}, QPoint(10, 10));
        QCOMPARE(f.opener.opened.size(), launches);
        QCOMPARE(f.effects.hides, launches);
        QCOMPARE(f.selection.button(), launches ? 0 : 2);
        QVERIFY(!f.handler.bevelLowered(2));
        QCOMPARE(f.strip.panel(2)->frameShadow(), QFrame::Raised);
        // Then the left button's own release: one launch in all, none after a drag.
        QTest::mouseRelease(f.strip.img(2), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(f.opener.opened.size(), dragged ? 0 : 1);
    }

    void leftPressOnEmptyButton() {
        Fixture f;
        f.selection.select(4);
        f.handler.imgMouseDown(7, Qt::LeftButton);
        QVERIFY(f.handler.bevelLowered(7));
        f.handler.imgMouseUp(7);
        QVERIFY(!f.handler.bevelLowered(7));
        QVERIFY(f.opener.opened.isEmpty());
        QCOMPARE(f.effects.hides + f.effects.closes, 0);
        QCOMPARE(f.selection.button(), 0);
    }

    void otherButtonsDoNothing_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void otherButtonsDoNothing() {
        QFETCH(int, button);
        Fixture f;
        f.file.write("BUTTON", "8", "/usr/bin/foo");
        f.selection.select(5);
        f.handler.imgMouseDown(8, Qt::MouseButton(button));
        QCOMPARE(f.selection.button(), 5);
        QVERIFY(!f.handler.bevelLowered(8));
        QVERIFY(f.opener.opened.isEmpty());
    }

    void releaseOfAnyButtonRaises() {
        Fixture f;
        f.handler.imgMouseDown(9, Qt::LeftButton);
        QVERIFY(f.handler.bevelLowered(9));
        f.show();
        QTest::mouseRelease(f.strip.img(9), Qt::RightButton, {}, QPoint(3, 3));
        QVERIFY(!f.handler.bevelLowered(9));
    }

    void rightClickOpensButtonMenu() {
        Fixture f;
        QMenu menu;
        menu.addAction("x");
        f.strip.setButtonMenu(&menu);
        f.show();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                f.strip.img(12)->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(f.strip.img(12), &event);
        QVERIFY(menu.isVisible());
        menu.close();
    }
};

TABDECK_TEST(ButtonHandlerTest)
#include "ButtonHandlerTest.moc"
