#include "StartupFixture.h"
#include "TestRegistry.h"
#include "strip/BrokenTargets.h"
#include "strip/Placement.h"
#include "strip/TableLoader.h"
#include "strip/window/ButtonImage.h"
#include "ui/HintRouter.h"

#include <QSignalSpy>
#include <QTest>
#include <thread>

// A button whose local target is gone, on the real strip: the table shown
// asks, and a press explains instead of opening, hiding or closing. Which
// answers dim a button and how it comes back is BrokenTargetsTest's.
class BrokenTargetsOnStripTest : public QObject {
    Q_OBJECT
private slots:
    void pressOnATarget_data() {
        QTest::addColumn<QString>("target"); // "DIR" is the test's folder
        QTest::addColumn<bool>("there");
        QTest::addColumn<int>("answerMs");   // how long the file system takes to answer
        QTest::addColumn<QString>("notice"); // a press's box; none: the press opens
        QTest::newRow("gone") << "DIR/gone.sh" << false << 0
                              << "Cannot open DIR/gone.sh: it no longer exists.";
        QTest::newRow("there") << "DIR/there.sh" << true << 0 << "";
        QTest::newRow("answer past the time limit: opened") << "DIR/slow.sh" << false << 1500 << "";
    }
    void pressOnATarget() {
        QFETCH(QString, target);
        QFETCH(bool, there);
        QFETCH(int, answerMs);
        QFETCH(QString, notice);
        const bool dimmed = !notice.isEmpty();
        startuptest::Strip s;
        target.replace(QLatin1String("DIR"), s.dir.path());
        notice.replace(QLatin1String("DIR"), s.dir.path());
        if (there)
            s.dir.write(target.section(QLatin1Char('/'), -1), "#!/bin/sh\n");
        // Button 3 of table 2, a table chosen after the start; hide mode on.
        s.file->write(QStringLiteral("BUTTON"), QStringLiteral("15"), target);
        s.file->write(QStringLiteral("HIDE"), QStringLiteral("HideMe"), QStringLiteral("true"));
        s.restart();
        BrokenTargets& broken = s.form->brokenTargets();
        broken.setTimeLimit(300);
        broken.setUsable([answerMs](const QString& path) {
            std::this_thread::sleep_for(std::chrono::milliseconds(answerMs));
            return QFileInfo::exists(path);
        });
        s.form->show();
        QTRY_VERIFY_WITH_TIMEOUT(s.form->tableLoader().finished(), 10000);
        const QString loadedHint = s.form->buttonHint(15);
        QSignalSpy answered(&broken, &BrokenTargets::answered);
        s.form->showTable(2);
        if (BrokenTargets::isLocalPath(target) && answerMs == 0)
            QTRY_VERIFY_WITH_TIMEOUT(answered.contains(QVariantList{15}), 5000);
        else
            QTest::qWait(answerMs + 300); // an answer, if any, would have come
        QCOMPARE(s.form->buttonPicture(15)->dimmed(), dimmed);
        QCOMPARE(s.form->buttonHint(15),
                 dimmed ? QStringLiteral("Target missing: ") + target : loadedHint);

        if (!notice.isEmpty())
            s.prompts.expectBox();
        s.form->selection().select(15);
        s.form->buttonPicture(15)->setFocus();
        QTest::mouseClick(s.form->buttonPicture(15), Qt::LeftButton);
        const bool hidden = s.form->x() == Placement::leftEdge() - Placement::HiddenOffset;
        if (notice.isEmpty()) {
            QCOMPARE(s.opener.opened, QStringList{target});
            QVERIFY(hidden);
        } else {
            QCOMPARE(s.opener.opened, QStringList());
            QVERIFY(!hidden);
            QCOMPARE(s.prompts.boxes().size(), 1);
            QCOMPARE(s.prompts.boxes().first().text, notice);
        }
    }

    // A target deleted while the strip hides at the screen edge shows as
    // missing once the red end is touched, with no table switch.
    void goneWhileHidden() {
        startuptest::Strip s;
        const QString target = s.dir.write(QStringLiteral("tool.sh"), "#!/bin/sh\n");
        s.file->write(QStringLiteral("BUTTON"), QStringLiteral("3"), target);
        s.restart();
        s.form->brokenTargets().setUsable(
            [](const QString& path) { return QFileInfo::exists(path); });
        QSignalSpy answered(&s.form->brokenTargets(), &BrokenTargets::answered);
        s.form->show();
        QTRY_VERIFY_WITH_TIMEOUT(answered.contains(QVariantList{3}), 10000);
        QVERIFY(!s.form->buttonPicture(3)->dimmed());
        s.form->placement().hideStrip();
        QVERIFY(QFile::remove(target));
        answered.clear();
        s.form->placement().touchHideBar();
        QTRY_VERIFY_WITH_TIMEOUT(answered.contains(QVariantList{3}), 5000);
        QVERIFY(s.form->buttonPicture(3)->dimmed());
        QCOMPARE(s.form->buttonHint(3), BrokenTargets::missingHint(target));
    }
};

TABDECK_TEST(BrokenTargetsOnStripTest)
#include "BrokenTargetsOnStripTest.moc"
