#include "strip/BrokenTargets.h"
#include "RecordingStripValues.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
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
        QTest::newRow("gone") << "DIR/gone.sh" << false << 0 << true
                              << "Cannot open DIR/gone.sh: it no longer exists.";
        QTest::newRow("gone, '&' in its name") << "DIR/R&D.sh" << false << 0 << true
                                               << "Cannot open DIR/R&&D.sh: it no longer exists.";
        QTest::newRow("there") << "DIR/there.sh" << true << 0 << false << "";
        QTest::newRow("an address is never asked about")
            << "http://example.invalid/page" << false << 0 << false << "";
        QTest::newRow("answer past the time limit: left as it is")
            << "DIR/slow.sh" << false << 1500 << false << "";
    }
    void checkTable() {
        QFETCH(QString, target);
        QFETCH(bool, there);
        QFETCH(int, answerMs);
        QFETCH(bool, dimmed);
        QFETCH(QString, notice);
        Check c;
        target.replace(QLatin1String("DIR"), c.dir.path());
        notice.replace(QLatin1String("DIR"), c.dir.path());
        if (there)
            c.dir.write(target.section(QLatin1Char('/'), -1), "#!/bin/sh\n");
        // Button 3 of table 2, with the hint its face gave it.
        c.file.write(QStringLiteral("BUTTON"), QStringLiteral("15"), target);
        c.view.setButtonHint(15, QStringLiteral("loaded"));
        c.broken.setTimeLimit(300);
        c.broken.setExists([answerMs](const QString& path) {
            std::this_thread::sleep_for(std::chrono::milliseconds(answerMs));
            return QFileInfo::exists(path);
        });
        QSignalSpy answered(&c.broken, &BrokenTargets::answered);
        c.broken.checkTable(2);
        if (BrokenTargets::isLocalPath(target) && answerMs == 0)
            QTRY_VERIFY_WITH_TIMEOUT(answered.contains(QVariantList{15}), 5000);
        else
            QTest::qWait(answerMs + 300); // an answer, if any, would have come
        QCOMPARE(c.view.dimmed(15), dimmed);
        QCOMPARE(c.view.buttonHint(15),
                 dimmed ? QStringLiteral("Target missing: ") + target : QStringLiteral("loaded"));
        QCOMPARE(c.broken.missing(15, target), dimmed);
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
        c.broken.setExists([](const QString& path) { return QFileInfo::exists(path); });
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
};

TABDECK_TEST(BrokenTargetsTest)
#include "BrokenTargetsTest.moc"
