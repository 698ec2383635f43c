#include "ScriptedPrompts.h"
#include "StartupFixture.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "strip/Placement.h"
#include "strip/ShownSettings.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>
#include <memory>

using testsupport::ScriptedPrompts;
using testsupport::TempDir;

// The button behaviour attached to the real strip window: the wiring of
// the helpers, the position rules and the drop on the window.
namespace {
struct Fixture : startuptest::Strip {
    using Strip::Strip;
    QAction* action(const char* name) { return form->findChild<QAction*>(name); }
    void send(QWidget* w, QEvent::Type type, Qt::MouseButton button) {
        const QPointF at(5, 5);
        QMouseEvent e(type, at, w->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
};

QByteArray filledIni(const QString& target, bool hide) {
    QByteArray ini = "[BUTTON]\r\n5=" + target.toUtf8() + "\r\n";
    if (hide)
        ini += "[HIDE]\r\nHideMe=true\r\n";
    ini += "[POS]\r\nTop=200\r\nLeft=150\r\n";
    return ini;
}
} // namespace

class ButtonsOnStripTest : public QObject {
    Q_OBJECT
private slots:
    void menuBuiltOnTheStrip() {
        Fixture f;
        auto* menu = f.form->findChild<QMenu*>("PopupMenu1");
        QVERIFY(menu);
        QCOMPARE(f.form->findChildren<QAction*>("TableB1").size(), 1);
        QVERIFY(!f.action("Close1")->isEnabled());
        QVERIFY(f.action("Hide1")->isEnabled());
        f.action("Hide1")->trigger();
        QVERIFY(f.form->settings().hideMode());
        QCOMPARE(f.file->read("HIDE", "HideMe", 10).text, QStringLiteral("true"));
        QVERIFY(f.action("Close1")->isEnabled());
        QVERIFY(!f.action("Hide1")->isEnabled());
    }

    void storedHideModeEnablesClose() {
        Fixture f(filledIni("/bin/true", true));
        QVERIFY(f.form->settings().hideMode());
        QVERIFY(f.action("Close1")->isEnabled());
        QVERIFY(!f.action("Hide1")->isEnabled());
        QCOMPARE(f.form->pos(), QPoint(150, 200));
    }

    void pressLaunchesAndHides() {
        Fixture f(filledIni("/opt/app/run me", true));
        QWidget* img = f.form->buttonPicture(5);
        f.send(img, QEvent::MouseMove, Qt::NoButton);
        QCOMPARE(f.form->selection().button(), 5);
        QCOMPARE(f.form->buttonNumberText(), QStringLiteral("5"));
        f.send(img, QEvent::MouseButtonPress, Qt::LeftButton);
        QCOMPARE(f.form->buttonPanel(5)->frameShadow(), QFrame::Sunken);
        // The release launches: until then the press may become a drag.
        QVERIFY(f.opener.opened.isEmpty());
        f.send(img, QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(f.opener.opened, QStringList{"/opt/app/run me"});
        QCOMPARE(f.form->x(), Placement::leftEdge() - 611);
        QCOMPARE(f.form->selection().button(), 0);
        QCOMPARE(f.form->buttonPanel(5)->frameShadow(), QFrame::Raised);
        // Closing while hidden moves back to POS and keeps it.
        f.form->close();
        QCOMPARE(f.form->pos(), QPoint(150, 200));
        QCOMPARE(f.file->read("POS", "Left", 10).text, QStringLiteral("150"));
    }

    void pressWithHideModeOffCloses() {
        Fixture f(filledIni("/opt/app/run", false));
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QWidget* img = f.form->buttonPicture(5);
        f.send(img, QEvent::MouseMove, Qt::NoButton);
        f.send(img, QEvent::MouseButtonPress, Qt::LeftButton);
        f.send(img, QEvent::MouseButtonRelease, Qt::LeftButton);
        QCOMPARE(f.opener.opened, QStringList{"/opt/app/run"});
        QVERIFY(!f.form->isVisible());
        // Closed on screen: the position is saved.
        QCOMPARE(f.file->read("POS", "Left", 10).text, QString::number(f.form->x()));
    }

    void dropFillsSelectedButton() {
        Fixture f;
        const QString exe = QStringLiteral(TABDECK_TEST_DATA "/platform/pe32.exe");
        f.send(f.form->buttonPicture(3), QEvent::MouseMove, Qt::NoButton);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(exe), QUrl::fromLocalFile("/other.exe")});
        // Dropped over another button and over the right end panel: button 3 is filled.
        f.form->show(); // accepts drops from its first show on
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QVERIFY(f.form->acceptDrops());
        QDragEnterEvent enter(QPoint(600, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(f.form.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(600, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.form.get(), &drop);
        QVERIFY(drop.isAccepted());
        f.prompts.expectBox();
        QTRY_COMPARE(f.prompts.boxes().size(), 1);
        QCOMPARE(f.prompts.lastBox().text, QStringLiteral("The Program was Setup on Button 3"));
        QCOMPARE(f.file->read("BUTTON", "3", 256).text, exe);
        QCOMPARE(f.file->read("ICON", "3", 256).text, exe);
        QVERIFY(f.form->buttonPicture(3)->hasPicture());
        QCOMPARE(f.form->buttonHint(3), QStringLiteral("pe32.exe"));
    }

    void dragOfNonUrlIgnored() {
        Fixture f;
        QMimeData data;
        data.setText("just text");
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QDragEnterEvent enter(QPoint(100, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(f.form.get(), &enter);
        QVERIFY(!enter.isAccepted());
    }

    void menuItemsReachSlots() {
        Fixture f;
        f.file->write("BUTTON", "9", "/usr/bin/thing");
        f.file->write("ICON", "9", "/pics/t.bmp");
        f.form->selection().select(9);
        f.action("Cut1")->trigger();
        QCOMPARE(f.file->read("BUTTON", "9", 256).length, 0);
        f.form->selection().select(10);
        f.prompts.expectBox(Prompts::No);
        f.action("Delete1")->trigger();
        QCOMPARE(f.prompts.lastBox().text,
                 QStringLiteral("There is nothing on the Button to Remove!"));
        QCOMPARE(f.form->selection().button(), 0);
        f.form->selection().select(11);
        // The picture of the cut slot cannot be read: the guard shows the error.
        f.prompts.expectBox();
        f.action("Paste1")->trigger();
        QCOMPARE(f.file->read("BUTTON", "11", 256).text, QStringLiteral("/usr/bin/thing"));
        QCOMPARE(f.prompts.lastBox().icon, Prompts::Icon::Error);
    }
};

TABDECK_TEST(ButtonsOnStripTest)
#include "ButtonsOnStripTest.moc"
