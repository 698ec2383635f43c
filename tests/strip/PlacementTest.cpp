#include "strip/Placement.h"
#include "RecordingStripValues.h"
#include "RecordingTools.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "strip/ShownSettings.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <functional>

using testsupport::ScriptedPrompts;
using testsupport::TempDir;

namespace {
struct Fixture {
    TempDir dir;
    ControlFile file{dir.file("TabdeckV10.INI")};
    ScriptedPrompts prompts;
    testsupport::RecordingStripValues strip;
    ShownSettings settings{strip, file};
    Placement placement{strip, settings, prompts};
    teststrip::RecordingTools tools;

    Fixture() {
        placement.setToolWindows([this] { return &tools; });
    }
    QString pos(const char* key) { return file.read("POS", key, 10).text; }
    QPoint at() const { return strip.pos; }
    void move(int x, int y) { strip.pos = QPoint(x, y); }
    void move(QPoint p) { strip.pos = p; }
};

// What a window manager does with a place asked (device-independent pixels).
enum class Answer {
    AsAsked,      // openbox: off screen too, beside the reserved edge
    KeepOnScreen, // mutter, KWin: every window on screen, beside the reserved edge even
    Centre,       // sway: a managed window centred, whatever it asks
    Nowhere,      // never moves the window
};
std::function<QRect(QRect, bool)> answering(Answer answer) {
    return [answer](QRect asked, bool unmanaged) {
        switch (answer) {
        case Answer::AsAsked:
            return asked;
        case Answer::KeepOnScreen:
            // The strip's own reservation of 11 pixels pushes the whole strip beside it.
            asked.moveLeft(std::max(asked.left(), asked.width() > 11 ? 11 : 0));
            asked.moveTop(
                std::max(asked.top(), QGuiApplication::primaryScreen()->geometry().top()));
            return asked;
        case Answer::Centre:
            return unmanaged ? asked : QRect(QPoint(649, 514), asked.size());
        case Answer::Nowhere:
            break;
        }
        return QRect(QPoint(500, 500), asked.size());
    };
}

QPoint centre(QSize strip) {
    const QRect desk = QGuiApplication::primaryScreen()->geometry();
    return QPoint(desk.x() + (desk.width() - strip.width()) / 2,
                  desk.y() + (desk.height() - strip.height()) / 2);
}
} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void dragArithmetic_data() {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("right 100") << QPoint(300, 400) << QPoint(10, 10)
                                   << QList<QPoint>{QPoint(110, 10)} << QPoint(400, 400);
        // Each move is measured from where the handle stands after the last one.
        QTest::newRow("two steps")
            << QPoint(300, 400) << QPoint(20, 5) << QList<QPoint>{QPoint(30, 5), QPoint(25, 15)}
            << QPoint(315, 410);
        QTest::newRow("left and up") << QPoint(300, 400) << QPoint(40, 30)
                                     << QList<QPoint>{QPoint(-60, -20)} << QPoint(200, 350);
        QTest::newRow("no move") << QPoint(300, 400) << QPoint(7, 7) << QList<QPoint>{QPoint(7, 7)}
                                 << QPoint(300, 400);
    }
    void dragArithmetic() {
        QFETCH(QPoint, start);
        QFETCH(QPoint, origin);
        QFETCH(QList<QPoint>, moves);
        QFETCH(QPoint, end);
        Fixture f;
        f.move(start);
        f.placement.beginDrag(origin);
        QVERIFY(f.placement.dragging());
        QCOMPARE(f.placement.dragOrigin(), origin);
        for (const QPoint& m : moves)
            f.placement.dragTo(m);
        QCOMPARE(f.at(), end);
        // Nothing is stored while moving.
        QVERIFY(f.pos("Left").isEmpty());
        f.placement.endDrag();
        QVERIFY(!f.placement.dragging());
        QCOMPARE(f.pos("Left"), QString::number(end.x()));
        QCOMPARE(f.pos("Top"), QString::number(end.y()));
        QCOMPARE(f.tools.lastMoved, end); // the hint strip follows
    }

    void moveWithoutPressDoesNothing() {
        Fixture f;
        f.move(300, 400);
        f.placement.dragTo(QPoint(80, 80));
        QCOMPARE(f.at(), QPoint(300, 400));
    }

    void savePositionWritesTopThenLeft() {
        Fixture f;
        f.move(-5, 12);
        f.placement.savePosition();
        QFile raw(f.file.path());
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray text = raw.readAll();
        QVERIFY(text.contains("Top=12"));
        QVERIFY(text.contains("Left=-5"));
        QVERIFY(text.indexOf("Top=") < text.indexOf("Left="));
    }

    void restorePosition_data() {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("any");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("both") << "40"
                              << "120" << true << QPoint(120, 40);
        QTest::newRow("top only") << "40"
                                  << "" << true << QPoint(300, 40);
        QTest::newRow("left only") << ""
                                   << "-611" << true << QPoint(-611, 400);
        QTest::newRow("none") << ""
                              << "" << false << QPoint(300, 400);
        QTest::newRow("blank counts") << " 7"
                                      << "8" << true << QPoint(8, 7);
    }
    void restorePosition() {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(bool, any);
        QFETCH(QPoint, end);
        Fixture f;
        f.move(300, 400);
        f.file.write("POS", "Top", top);
        f.file.write("POS", "Left", left);
        QCOMPARE(f.placement.restorePosition(), any);
        QCOMPARE(f.at(), end);
    }

    void restoreRejectsNonInteger() {
        Fixture f;
        f.move(300, 400);
        f.file.write("POS", "Top", "50");
        f.file.write("POS", "Left", "abc");
        QVERIFY_THROWS_EXCEPTION(ConversionError, f.placement.restorePosition());
        // The Top read before the failure stays applied.
        QCOMPARE(f.at(), QPoint(300, 50));
    }

    void hideStrip() {
        Fixture f;
        f.move(300, 400);
        f.file.write("POS", "Left", "123");
        f.placement.hideStrip();
        QCOMPARE(f.at(), QPoint(Placement::leftEdge() - 611, 400));
        QCOMPARE(f.tools.lastMoved, QPoint(Placement::leftEdge() - 611, 400));
        QVERIFY(f.placement.hideBarRed());
        QVERIFY(!f.placement.isOnScreen());
        // Hiding saves nothing.
        QCOMPARE(f.pos("Left"), QStringLiteral("123"));
    }

    // Each move is read back: the strip hides the way the window manager
    // allows, stays usable where every way is refused, and stores only a
    // place it reached.
    void windowManagerAnswers_data() {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<bool>("unmanaged");
        QTest::addColumn<QRect>("hidden");
        QTest::addColumn<bool>("hides");
        QTest::addColumn<QPoint>("dragged");
        const int edge = Placement::leftEdge();
        const QPoint pos(100, 300);
        QTest::newRow("as asked") << pos << int(Answer::AsAsked) << QPoint(100, 300) << false
                                  << QRect(edge - 611, 300, 622, 51) << true << QPoint(200, 300);
        QTest::newRow("kept on screen, pushed by the strut")
            << pos << int(Answer::KeepOnScreen) << QPoint(100, 300) << false
            << QRect(0, 300, 11, 51) << true << QPoint(200, 300);
        // A place past the top (under a desktop's top bar) kept below it:
        // the strip stays managed, and stores the place reached.
        const int top = QGuiApplication::primaryScreen()->geometry().top();
        QTest::newRow("kept in the work area")
            << QPoint(100, top - 20) << int(Answer::KeepOnScreen) << QPoint(100, top) << false
            << QRect(0, top, 11, 51) << true << QPoint(200, top);
        QTest::newRow("centred unless unmanaged")
            << pos << int(Answer::Centre) << QPoint(100, 300) << true
            << QRect(edge - 611, 300, 622, 51) << true << QPoint(200, 300);
        QTest::newRow("never moved") << pos << int(Answer::Nowhere) << QPoint(500, 500) << true
                                     << QRect(500, 500, 622, 51) << false << QPoint(500, 500);
    }
    void windowManagerAnswers() {
        QFETCH(QPoint, pos);
        QFETCH(int, answer);
        QFETCH(QPoint, first);
        QFETCH(bool, unmanaged);
        QFETCH(QRect, hidden);
        QFETCH(bool, hides);
        QFETCH(QPoint, dragged);
        Fixture f;
        f.file.write("POS", "Top", QString::number(pos.y()));
        f.file.write("POS", "Left", QString::number(pos.x()));
        f.strip.placing = answering(Answer(answer));
        f.move(pos);
        f.placement.confirmFirstPlace();
        f.strip.awaitPlace({}, [](QRect) {});
        QCOMPARE(f.strip.stripPlaced().topLeft(), first);
        QCOMPARE(f.strip.stripUnmanaged(), unmanaged);

        for (int time = 1; time <= 2; ++time) { // the second hide goes the way learnt
            // The pointer leaves the bar as the window moves, before the
            // window manager's answer is read back.
            f.strip.beforeAnswer = [&] { f.placement.unmarkHideBar(); };
            f.placement.hideStrip();
            f.strip.beforeAnswer = nullptr;
            f.strip.awaitPlace({}, [](QRect) {}); // what the window shows now
            QCOMPARE(f.strip.stripPlaced(), hidden);
            QCOMPARE(f.placement.hideBarRed(), hides);
            QCOMPARE(f.placement.isOnScreen(), !hides);
            f.placement.unmarkHideBar();
            QCOMPARE(f.placement.hideBarRed(), hides);
            // A touch on the end brings the whole strip back to POS.
            f.placement.touchHideBar();
            f.strip.awaitPlace({}, [](QRect) {});
            QCOMPARE(f.strip.stripPlaced().size(), QSize(622, 51));
            QVERIFY(f.placement.isOnScreen());
            QCOMPARE(f.tools.lastMoved, f.strip.stripPlaced().topLeft()); // the hint strip follows
        }

        f.placement.beginDrag(QPoint(10, 10));
        f.placement.dragTo(QPoint(110, 10));
        f.placement.endDrag();
        QCOMPARE(f.pos("Left").toInt(), dragged.x());
        QCOMPARE(f.pos("Top").toInt(), dragged.y());
    }

    void onScreenTest_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("onScreen");
        QTest::newRow("2") << 2 << true;
        QTest::newRow("1") << 1 << false;
        QTest::newRow("0") << 0 << false;
        QTest::newRow("hidden") << -611 << false;
        QTest::newRow("far right") << 900 << true;
    }
    void onScreenTest() {
        QFETCH(int, left);
        QFETCH(bool, onScreen);
        Fixture f;
        f.move(Placement::leftEdge() + left, 10);
        QCOMPARE(f.placement.isOnScreen(), onScreen);
    }

    void barColours_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("redAfterLeave");
        QTest::newRow("on screen") << 200 << false;
        QTest::newRow("touching edge") << 1 << true;
        QTest::newRow("hidden") << -611 << true;
    }
    void barColours() {
        QFETCH(int, left);
        QFETCH(bool, redAfterLeave);
        Fixture f;
        f.move(Placement::leftEdge() + left, 10);
        QVERIFY(!f.placement.hideBarRed());
        f.placement.markHideBar();
        QVERIFY(f.placement.hideBarRed());
        f.placement.unmarkHideBar();
        QCOMPARE(f.placement.hideBarRed(), redAfterLeave);
    }

    void moveOverBarOnScreenShowsTooltip() {
        Fixture f;
        f.move(200, 300);
        f.placement.touchHideBar();
        QCOMPARE(f.at(), QPoint(200, 300));
        QCOMPARE(f.strip.hideBarHint, QStringLiteral("Click to Hide"));
    }

    void returnFromEdge_data() {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("saved") << "40"
                               << "120" << false << QPoint(120, 40);
        QTest::newRow("none saved") << ""
                                    << "" << true << QPoint();
    }
    void returnFromEdge() {
        QFETCH(QString, top);
        QFETCH(QString, left);
        QFETCH(bool, centred);
        QFETCH(QPoint, end);
        Fixture f;
        if (centred)
            end = centre(f.strip.size);
        f.file.write("POS", "Top", top);
        f.file.write("POS", "Left", left);
        f.move(500, 500);
        f.placement.hideStrip();
        f.placement.touchHideBar();
        QCOMPARE(f.at(), end);
        QCOMPARE(f.tools.lastMoved, end); // the hint strip follows
        QVERIFY(!f.placement.hideBarRed());
        // Returning stores nothing: POS stays as it was.
        QCOMPARE(f.pos("Left"), left);
        QCOMPARE(f.pos("Top"), top);
    }

    // A place kept wholly on the screen, at and past each edge; a hidden
    // strip keeps hiding at the edge with its end on the screen.
    void keepOnScreens_data() {
        const QRect g = QGuiApplication::primaryScreen()->geometry();
        const int w = 622, h = 51;
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("expected");
        const QPoint farthest(g.right() + 1 - w, g.bottom() + 1 - h);
        QTest::newRow("at the top left") << false << g.topLeft() << g.topLeft();
        QTest::newRow("at the bottom right") << false << farthest << farthest;
        QTest::newRow("past the top")
            << false << g.topLeft() + QPoint(5, -1) << g.topLeft() + QPoint(5, 0);
        QTest::newRow("past the left")
            << false << g.topLeft() + QPoint(-1, 5) << g.topLeft() + QPoint(0, 5);
        QTest::newRow("past the bottom")
            << false << farthest + QPoint(-5, 1) << farthest + QPoint(-5, 0);
        QTest::newRow("past the right")
            << false << farthest + QPoint(1, -5) << farthest + QPoint(0, -5);
        QTest::newRow("half below") << false << QPoint(g.left() + 5, g.bottom() - h / 2)
                                    << QPoint(g.left() + 5, farthest.y());
        QTest::newRow("hidden, the edge moved away")
            << true << QPoint(0, g.top() + 100) << QPoint(g.left() - 611, g.top() + 100);
        QTest::newRow("hidden at the bottom")
            << true << QPoint(0, farthest.y()) << QPoint(g.left() - 611, farthest.y());
        QTest::newRow("hidden, its row gone below")
            << true << QPoint(0, g.bottom() + 300) << QPoint(g.left() - 611, farthest.y());
        QTest::newRow("hidden, past the top")
            << true << QPoint(0, g.top() - 1) << QPoint(g.left() - 611, g.top());
        QTest::newRow("hidden, far off the edge") << true << QPoint(g.left() - 5000, g.top() + 100)
                                                  << QPoint(g.left() - 611, g.top() + 100);
    }
    void keepOnScreens() {
        QFETCH(bool, hidden);
        QFETCH(QPoint, at);
        QFETCH(QPoint, expected);
        Fixture f;
        f.move(200, 200);
        if (hidden)
            f.placement.hideStrip();
        f.move(at); // where a screen's change or a stored place left it
        const QPoint told = f.tools.lastMoved;
        f.placement.keepOnScreens();
        QCOMPARE(f.at(), expected);
        QCOMPARE(f.tools.lastMoved, at == expected ? told : expected); // the hint strip follows
        QCOMPARE(f.placement.hideBarRed(), hidden);
        // Brought back from hiding, a stored place past the edge comes whole onto the screen.
        if (hidden) {
            f.file.write("POS", "Top", QString::number(at.y()));
            f.file.write("POS", "Left", "100");
            f.placement.touchHideBar();
            const QRect g = QGuiApplication::primaryScreen()->geometry();
            QCOMPARE(f.at(), QPoint(100, std::clamp(at.y(), g.top(), g.bottom() + 1 - 51)));
        }
    }

    void returnWithBadPosShowsOnceAndCentres() {
        Fixture f;
        f.file.write("POS", "Top", "x1");
        f.placement.hideStrip();
        f.prompts.expectBox();
        f.placement.touchHideBar();
        QCOMPARE(f.prompts.boxes().size(), 1);
        QCOMPARE(f.prompts.lastBox().text, QStringLiteral("'x1' is not a valid integer value."));
        QCOMPARE(f.prompts.lastBox().icon, Prompts::Icon::Error);
        QCOMPARE(f.at(), centre(f.strip.size));
        // Back on screen: further moves over the bar show nothing more.
        f.placement.touchHideBar();
        f.placement.touchHideBar();
        QCOMPARE(f.prompts.boxes().size(), 1);
    }

    void closingRule_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("savedLeft");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("on screen saves") << 250 << "250" << QPoint(250, 60);
        QTest::newRow("hidden restores") << -611 << "77" << QPoint(77, 33);
        QTest::newRow("at edge restores") << 1 << "77" << QPoint(77, 33);
    }
    void closingRule() {
        QFETCH(int, left);
        QFETCH(QString, savedLeft);
        QFETCH(QPoint, end);
        Fixture f;
        f.file.write("POS", "Top", "33");
        f.file.write("POS", "Left", "77");
        f.move(Placement::leftEdge() + left, 60);
        f.placement.closingPlacement();
        QCOMPARE(f.pos("Left"), savedLeft);
        QCOMPARE(f.at(), end);
    }
};

TABDECK_TEST(PlacementTest)
#include "PlacementTest.moc"
