#include "StartupFixture.h"
#include "TestRegistry.h"
#include "core/ButtonSlots.h"
#include "core/ColorText.h"
#include "core/Error.h"
#include "strip/ShownSettings.h"
#include "strip/TableLoader.h"
#include "strip/window/ButtonImage.h"
#include "ui/SystemColors.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

using startuptest::Strip;

namespace {
uint32_t colorOf(QWidget* w) {
    return systemcolors::backgroundValue(w);
}
bool painted(QWidget* w) {
    return w->autoFillBackground();
}
} // namespace

// The start-up settings applied from prepared control files, the
// conversion-failure rule and the closing steps.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstStart() {
        Strip s;
        // The file of empty entries is written as the strip shows; until
        // then its absence reads the same.
        QVERIFY(!QFile::exists(s.context.paths.controlFile));
        QCOMPARE(s.read("BUTTON", "360"), QString());
        s.form->show();
        QVERIFY(QFile::exists(s.context.paths.controlFile));
        QCOMPARE(s.read("BUTTON", "360"), QString());
        QVERIFY(s.file->read("TABLENAME", "30", 10).length == 0);
        QVERIFY(!s.form->settings().hideMode());
        QVERIFY(s.action("Hide1")->isEnabled());
        QVERIFY(!s.action("Close1")->isEnabled());
        QVERIFY(s.action("Normal1")->isChecked());
        QVERIFY(!s.action("StayOnTop1")->isChecked());
        QVERIFY(!(s.form->windowFlags() & Qt::WindowStaysOnTopHint));
        for (int t = 1; t <= 30; ++t)
            QCOMPARE(s.action(QStringLiteral("TableA%1").arg(t))->text(),
                     QStringLiteral("Table %1").arg(t));
        QCOMPARE(s.form->tableCaption(), QStringLiteral("Tabel 1"));
        QVERIFY(s.prompts.shown().isEmpty());
    }

    void hideAndStyle_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("onTop");
        QTest::newRow("hide true") << QByteArray("[HIDE]\nHideMe=true\n") << true << false;
        QTest::newRow("hide false is set") << QByteArray("[HIDE]\nHideMe=false\n") << true << false;
        QTest::newRow("hide two chars") << QByteArray("[HIDE]\nHideMe=on\n") << false << false;
        QTest::newRow("hide empty") << QByteArray("[HIDE]\nHideMe=\n") << false << false;
        QTest::newRow("on top") << QByteArray("[STYLE]\nOnTop=True\n") << false << true;
        QTest::newRow("on top one digit") << QByteArray("[STYLE]\nOnTop=1\n") << false << false;
        QTest::newRow("both") << QByteArray("[HIDE]\nHideMe=true\n[STYLE]\nOnTop=True\n") << true
                              << true;
    }
    void hideAndStyle() {
        QFETCH(QByteArray, ini);
        QFETCH(bool, hide);
        QFETCH(bool, onTop);
        Strip s(ini);
        QCOMPARE(s.form->settings().hideMode(), hide);
        QCOMPARE(s.action("Hide1")->isEnabled(), !hide);
        QCOMPARE(s.action("Close1")->isEnabled(), hide);
        QCOMPARE(bool(s.form->windowFlags() & Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(s.action("StayOnTop1")->isChecked(), onTop);
        QCOMPARE(s.action("Normal1")->isChecked(), !onTop);
    }

    void colours() {
        Strip s("[PROCOLOR]\nColor=clRed\n[BUTTCOLOR]\nColor=$00FF8000\n"
                "[TABLECOLOR]\nColor=clbtnhighlight\n");
        QCOMPARE(colorOf(s.form.get()), 0x000000FFu);
        QCOMPARE(colorOf(s.form->panelLeft()), 0x000000FFu);
        QCOMPARE(colorOf(s.form->panelRight()), 0x000000FFu);
        QCOMPARE(s.form->palette().color(s.form->backgroundRole()), QColor(255, 0, 0));
        for (int n : {1, 37, 360}) {
            QCOMPARE(colorOf(s.form->buttonPanel(n)), 0x00FF8000u);
            QCOMPARE(
                s.form->buttonPanel(n)->palette().color(s.form->buttonPanel(n)->backgroundRole()),
                QColor(0, 0x80, 0xFF));
        }
        for (int t : {1, 30}) {
            QVERIFY(painted(s.form->table(t)));
            QCOMPARE(colorOf(s.form->table(t)), 0x80000014u);
            QCOMPARE(s.form->table(t)->backgroundRole(), QPalette::Light);
        }
    }

    void programColourWithoutTableColour() {
        // Tables left alone show the strip's colour through.
        Strip s("[PROCOLOR]\nColor=clLime\n");
        for (int t = 1; t <= 30; ++t)
            QVERIFY(!painted(s.form->table(t)));
        QCOMPARE(colorOf(s.form->buttonPanel(1)), colortext::BtnFace);
        QImage shot = s.form->grab().toImage();
        // A free spot of table 1, between two buttons.
        QCOMPARE(QColor(shot.pixel(51 + 46, 25)), QColor(0, 255, 0));
    }

    void shortColourIgnored() {
        Strip s("[PROCOLOR]\nColor=1\n[TABLECOLOR]\nColor=\n");
        QCOMPARE(colorOf(s.form.get()), colortext::BtnFace);
        QVERIFY(!painted(s.form->table(1)));
    }

    void tableNames() {
        Strip s("[TABLENAME]\n5=Work\n7=x\n8=\n");
        QCOMPARE(s.action("TableA5")->text(), QStringLiteral("Work"));
        QCOMPARE(s.action("TableA7")->text(), QStringLiteral("x"));
        QCOMPARE(s.action("TableA8")->text(), QStringLiteral("Table 8"));
        QCOMPARE(s.action("TableB5")->text(), QStringLiteral("Table 5"));
        if (QAction* r = s.action("RTable5"))
            QCOMPARE(r->text(), QStringLiteral("Table 5"));
    }

    void defaultHints() {
        Strip s;
        for (int n : {1, 200, 360}) {
            QCOMPARE(s.form->buttonHint(n), buttonslots::emptyButtonHint());
            QCOMPARE(s.form->buttonPicture(n)->toolTip(),
                     QStringLiteral("Right Click for Menu.\nOr Drag & Drop."));
        }
    }

    // A conversion failure ends the start-up steps where it happens; what
    // came before stays, what comes after is not applied.
    void conversionFailure_data() {
        QTest::addColumn<QByteArray>("bad");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lastApplied"); // 8 pos, 9 hide, 10..12 colours, 13 style
        QTest::newRow("POS Top") << QByteArray("[POS]\nTop=abc\n") << "abc" << 7;
        QTest::newRow("POS Left") << QByteArray("[POS]\nTop=100\nLeft=1x\n") << "1x" << 7;
        QTest::newRow("program colour") << QByteArray("[PROCOLOR]\nColor=blue\n") << "blue" << 9;
        QTest::newRow("button colour") << QByteArray("[BUTTCOLOR]\nColor=bleu\n") << "bleu" << 10;
        QTest::newRow("table colour")
            << QByteArray("[TABLECOLOR]\nColor=#ff0000\n") << "#ff0000" << 11;
    }
    void conversionFailure() {
        QFETCH(QByteArray, bad);
        QFETCH(QString, text);
        QFETCH(int, lastApplied);
        // Every setting present and valid except the bad one.
        QByteArray ini = "[HIDE]\nHideMe=true\n[STYLE]\nOnTop=True\n[TABLENAME]\n3=Games\n" + bad;
        if (!bad.contains("PROCOLOR"))
            ini += "[PROCOLOR]\nColor=clRed\n";
        if (!bad.contains("BUTTCOLOR"))
            ini += "[BUTTCOLOR]\nColor=clYellow\n";
        if (!bad.contains("TABLECOLOR"))
            ini += "[TABLECOLOR]\nColor=clBlue\n";
        Strip s(ini, 1);
        QCOMPARE(s.prompts.boxes().size(), 1);
        const auto box = s.prompts.lastBox();
        QCOMPARE(box.text, QStringLiteral("'%1' is not a valid integer value.").arg(text));
        QCOMPARE(box.caption, QStringLiteral("TabdeckV10"));
        QCOMPARE(box.icon, Prompts::Icon::Error);

        QCOMPARE(s.form->settings().hideMode(), lastApplied >= 9);
        QCOMPARE(colorOf(s.form.get()) == 0x000000FFu, lastApplied >= 10);
        QCOMPARE(colorOf(s.form->buttonPanel(5)) == 0x0000FFFFu, lastApplied >= 11);
        QCOMPARE(painted(s.form->table(2)), lastApplied >= 12);
        // Style, table names and the default hints always come after.
        QVERIFY(!(s.form->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(s.action("TableA3")->text(), QStringLiteral("Table 3"));
        QCOMPARE(s.form->buttonHint(1), QString());
        QVERIFY(s.form->buttonPicture(1)->toolTip().isEmpty());
        // The strip still shows.
        s.form->show();
        QVERIFY(s.form->isVisible());
        QTRY_VERIFY(s.form->tableLoader().finished());
    }

    // A control file that cannot be read is said once at start, with why
    // when it is too large and that no change will be kept; the strip runs
    // on an empty state and never writes over the file.
    void unreadableControlFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder"
                                << "";
        QTest::newRow("fifo") << "fifo"
                              << "";
        QTest::newRow("over 64 MB")
            << "large"
            << ": the file is larger than 64 MB, the most the program reads";
    }
    void unreadableControlFile() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const auto prepare = [&](const QString& path) {
            const QByteArray name = QFile::encodeName(path);
            if (kind == "folder")
                QDir().mkpath(path);
            else if (kind == "fifo")
                ::mkfifo(name.constData(), 0600);
            else if (QFile f(path); f.open(QIODevice::WriteOnly))
                f.resize(qint64(65) << 20);
        };
        Strip s(QByteArray(), 1, prepare);
        QCOMPARE(s.prompts.boxes().size(), 1);
        const QString path = s.file->path();
        QCOMPARE(s.prompts.lastBox().text, "Cannot open file " + path + reason +
                                               ".\rCannot create file " + path +
                                               ": the changes you make will not be kept.");
        s.form->show();
        QTRY_VERIFY(s.form->tableLoader().finished());
        QCOMPARE(s.form->buttonHint(1), buttonslots::emptyButtonHint());
        QVERIFY_THROWS_EXCEPTION(AppError, s.file->write("TABLENAME", "1", "Games"));
        const QFileInfo after(s.file->path());
        QVERIFY(kind == "folder" ? after.isDir()
                : kind == "fifo" ? !after.isFile()
                                 : after.size() == qint64(65) << 20);
    }

    void positionRestored() {
        Strip s("[POS]\nTop=123\nLeft=45\n");
        QCOMPARE(s.form->pos(), QPoint(45, 123));
    }

    void closeOnScreenSaves() {
        Strip s("[POS]\nTop=123\nLeft=45\n");
        s.form->show();
        s.form->move(300, 200);
        s.form->timer1()->start();
        s.form->close();
        QCOMPARE(s.read("POS", "Left"), QStringLiteral("300"));
        QCOMPARE(s.read("POS", "Top"), QStringLiteral("200"));
        QVERIFY(!s.form->timer1()->isActive());
        QVERIFY(!s.form->timer2()->isActive());
    }

    void closeHiddenKeepsPos() {
        Strip s("[POS]\nTop=123\nLeft=45\n");
        s.form->show();
        s.form->move(-611, 123);
        s.form->close();
        QCOMPARE(s.read("POS", "Left"), QStringLiteral("45"));
        QCOMPARE(s.read("POS", "Top"), QStringLiteral("123"));
        QCOMPARE(s.form->pos(), QPoint(45, 123));
    }

    void closeEmitsClosed() {
        Strip s;
        s.form->show();
        bool closed = false;
        connect(s.form.get(), &TForm1::closed, this, [&] { closed = true; });
        QVERIFY(s.form->close());
        QVERIFY(closed);
        QVERIFY(s.prompts.shown().isEmpty());
    }
};

TABDECK_TEST(StartupTest)
#include "StartupTest.moc"
