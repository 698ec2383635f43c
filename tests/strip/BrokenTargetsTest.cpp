#include "strip/BrokenTargets.h"
#include "RecordingStripValues.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "strip/Placement.h"
#include "strip/ShownSettings.h"

#include <QFileInfo>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <memory>
#include <thread>

namespace {
struct Check {
    testsupport::TempDir dir;
    ControlFile file{dir.file("TabdeckV10.INI")};
    testsupport::RecordingStripValues view;
    BrokenTargets broken{view, file};
};
} // namespace

// A button whose local target is gone: drawn dimmed with its hint saying so
// and known as missing; what is not a local path, or not answered in time,
// stays as it was; a target that comes back is drawn whole with its hint.
class BrokenTargetsTest : public QObject {
    Q_OBJECT
private slots:
    void checkTable_data() {
        QTest::addColumn<QString>("target"); // "DIR" is the test's folder
        QTest::addColumn<bool>("there");
        QTest::addColumn<int>("answerMs"); // how long the file system takes to answer
        QTest::addColumn<bool>("dimmed");
        QTest::addColumn<QString>("notice");
        // The button is given this target while the check runs.
        QTest::addColumn<QString>("changedTo");
        QTest::newRow("gone") << "DIR/gone.sh" << false << 0 << true
                              << "Cannot open DIR/gone.sh: it no longer exists."
                              << "";
        QTest::newRow("gone, '&' in its name")
            << "DIR/R&D.sh" << false << 0 << true << "Cannot open DIR/R&&D.sh: it no longer exists."
            << "";
        QTest::newRow("there") << "DIR/there.sh" << true << 0 << false << ""
                               << "";
        QTest::newRow("an address is never asked about")
            << "http://example.invalid/page" << false << 0 << false << ""
            << "";
        QTest::newRow("answer past the time limit: left as it is")
            << "DIR/slow.sh" << false << 1500 << false << ""
            << "";
        QTest::newRow("target changed while its check runs: the new one neither dimmed nor "
                      "hinted missing")
            << "DIR/gone.sh" << false << 0 << false << ""
            << "DIR/new.sh";
    }
    void checkTable() {
        QFETCH(QString, target);
        QFETCH(bool, there);
        QFETCH(int, answerMs);
        QFETCH(bool, dimmed);
        QFETCH(QString, notice);
        QFETCH(QString, changedTo);
        Check c;
        target.replace(QLatin1String("DIR"), c.dir.path());
        notice.replace(QLatin1String("DIR"), c.dir.path());
        changedTo.replace(QLatin1String("DIR"), c.dir.path());
        if (there)
            c.dir.write(target.section(QLatin1Char('/'), -1), "#!/bin/sh\n");
        // Button 3 of table 2, with the hint its face gave it.
        c.file.write(QStringLiteral("BUTTON"), QStringLiteral("15"), target);
        c.view.setButtonHint(15, QStringLiteral("loaded"));
        c.broken.setTimeLimit(300);
        // A check that waits until the button has its new target, if any.
        const auto changed = std::make_shared<QSemaphore>();
        c.broken.setUsable([answerMs, changed, wait = !changedTo.isEmpty()](const QString& path) {
            if (wait)
                changed->tryAcquire(1, 5000);
            std::this_thread::sleep_for(std::chrono::milliseconds(answerMs));
            return QFileInfo::exists(path);
        });
        QSignalSpy answered(&c.broken, &BrokenTargets::answered);
        c.broken.checkTable(2);
        if (!changedTo.isEmpty()) {
            c.file.write(QStringLiteral("BUTTON"), QStringLiteral("15"), changedTo);
            changed->release();
        }
        if (BrokenTargets::isLocalPath(target) && answerMs == 0)
            QTRY_VERIFY_WITH_TIMEOUT(answered.contains(QVariantList{15}), 5000);
        else
            QTest::qWait(answerMs + 300); // an answer, if any, would have come
        QCOMPARE(c.view.dimmed(15), dimmed);
        QCOMPARE(c.view.buttonHint(15),
                 dimmed ? QStringLiteral("Target missing: ") + target : QStringLiteral("loaded"));
        QCOMPARE(c.broken.missing(15, target), dimmed);
        if (!changedTo.isEmpty())
            QVERIFY(!c.broken.missing(15, changedTo));
        if (dimmed)
            QCOMPARE(BrokenTargets::missingNotice(target), notice);
        // Only the table asked about: no other button is touched.
        QCOMPARE(c.view.faces.size(), size_t(1));
    }

    // The target comes back (or the button gets another): the button is
    // drawn whole again with the hint it had.
    void comesBack() {
        Check c;
        const QString target = c.dir.file("later.sh");
        c.file.write(QStringLiteral("BUTTON"), QStringLiteral("2"), target);
        c.view.setButtonHint(2, QStringLiteral("later.sh"));
        c.broken.setUsable([](const QString& path) { return QFileInfo::exists(path); });
        QSignalSpy answered(&c.broken, &BrokenTargets::answered);
        c.broken.checkTable(1);
        QTRY_VERIFY_WITH_TIMEOUT(answered.contains(QVariantList{2}), 5000);
        QVERIFY(c.view.dimmed(2));
        QVERIFY(c.broken.missing(2, target));
        c.dir.write(QStringLiteral("later.sh"), "#!/bin/sh\n");
        answered.clear();
        c.broken.checkTable(1);
        QTRY_VERIFY_WITH_TIMEOUT(answered.contains(QVariantList{2}), 5000);
        QVERIFY(!c.view.dimmed(2));
        QCOMPARE(c.view.buttonHint(2), QStringLiteral("later.sh"));
        QVERIFY(!c.broken.missing(2, target));
    }

    // A check while a question about the same path is under way does not
    // put a second one at once (a hung mount would pile them up), but asks
    // again once the first is in: the path may have gone in between.
    void askedAgainAfterAQuestionUnderWay() {
        Check c;
        const QString target = c.dir.write(QStringLiteral("tool.sh"), "#!/bin/sh\n");
        c.file.write(QStringLiteral("BUTTON"), QStringLiteral("1"), target);
        const auto release = std::make_shared<QSemaphore>();
        const auto questions = std::make_shared<std::atomic<int>>(0);
        c.broken.setUsable([release, questions](const QString& path) {
            const bool there = QFileInfo::exists(path);
            if (++*questions == 1)
                release->tryAcquire(1, 5000); // answers what it found before the deletion
            return there;
        });
        QSignalSpy answered(&c.broken, &BrokenTargets::answered);
        c.broken.checkTable(1);
        QTRY_COMPARE_WITH_TIMEOUT(questions->load(), 1, 5000);
        QVERIFY(QFile::remove(target));
        c.broken.checkTable(1);
        QCOMPARE(questions->load(), 1);
        release->release();
        QTRY_VERIFY_WITH_TIMEOUT(answered.contains(QVariantList{1}), 5000);
        QCOMPARE(questions->load(), 2);
        QVERIFY(c.view.dimmed(1));
        QVERIFY(c.broken.missing(1, target));
    }

    // A target deleted while the strip shows its table is found when the
    // strip comes back into sight (un-hidden at the screen edge, shown
    // again); a move within sight or a strip still away asks nothing.
    void comingIntoSight_data() {
        QTest::addColumn<QString>("steps"); // h: hide at the edge, b: touch the red end, m: move
        QTest::addColumn<bool>("dimmed");
        QTest::newRow("back from the screen edge") << "hb" << true;
        QTest::newRow("hidden, back, hidden again") << "hbh" << true;
        QTest::newRow("moved on screen: not asked") << "m" << false;
        QTest::newRow("still hidden: not asked") << "h" << false;
    }
    void comingIntoSight() {
        QFETCH(QString, steps);
        QFETCH(bool, dimmed);
        Check c;
        testsupport::ScriptedPrompts prompts;
        ShownSettings settings{c.view, c.file};
        Placement placement{c.view, settings, prompts};
        c.view.pos = placement.centredPosition();
        // Two buttons of the shown table 3 hold the same target.
        const QString target = c.dir.write(QStringLiteral("tool.sh"), "#!/bin/sh\n");
        for (const char* n : {"25", "30"})
            c.file.write(QStringLiteral("BUTTON"), QString::fromLatin1(n), target);
        c.view.setButtonHint(25, QStringLiteral("tool.sh"));
        QSignalSpy answered(&c.broken, &BrokenTargets::answered);
        c.broken.checkTable(3);
        QTRY_VERIFY_WITH_TIMEOUT(answered.size() == 2, 5000);
        QVERIFY(!c.view.dimmed(25));
        QVERIFY(QFile::remove(target));
        answered.clear();
        for (const QChar step : steps) {
            if (step == u'h')
                placement.hideStrip();
            else if (step == u'b')
                placement.touchHideBar();
            else
                c.view.pos += QPoint(5, 5);
            c.broken.setInSight(placement.isOnScreen(), 3);
        }
        if (dimmed)
            QTRY_VERIFY_WITH_TIMEOUT(answered.size() == 2, 5000);
        else
            QTest::qWait(300); // an answer, if any, would have come
        for (int n : {25, 30}) {
            QCOMPARE(c.view.dimmed(n), dimmed);
            QCOMPARE(c.broken.missing(n, target), dimmed);
        }
        QCOMPARE(c.view.buttonHint(25),
                 dimmed ? BrokenTargets::missingHint(target) : QStringLiteral("tool.sh"));
    }
};

TABDECK_TEST(BrokenTargetsTest)
#include "BrokenTargetsTest.moc"
