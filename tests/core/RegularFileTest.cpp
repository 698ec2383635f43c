#include "core/RegularFile.h"
#include "TempDir.h"
#include "TestRegistry.h"

#include <QFile>
#include <QTest>
#include <sys/stat.h>

using regularfile::Status;
using testsupport::TempDir;

Q_DECLARE_METATYPE(regularfile::Status)

// What every reader of an outside file gets: never a hang, never more than the cap.
class RegularFileTest : public QObject {
    Q_OBJECT
private slots:
    void kinds_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("cap");
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("reason"); // what the refusal adds to "Cannot open file P"
        QTest::newRow("regular") << "file" << qint64(100) << Status::Ok << 100 << QString();
        QTest::newRow("cap far above the size")
            << "file" << qint64(1 << 24) << Status::Ok << 100 << QString();
        QTest::newRow("at the cap") << "file1k" << qint64(1024) << Status::Ok << 1024 << QString();
        QTest::newRow("empty") << "empty" << qint64(100) << Status::Ok << 0 << QString();
        QTest::newRow("one over the cap")
            << "file" << qint64(99) << Status::TooLarge << 0
            << ": the file is larger than 99 bytes, the most the program reads";
        QTest::newRow("one over 1 KB")
            << "file1k1" << qint64(1024) << Status::TooLarge << 0
            << ": the file is larger than 1 KB, the most the program reads";
        QTest::newRow("one over 64 MB")
            << "file64m1" << qint64(64) * 1024 * 1024 << Status::TooLarge << 0
            << ": the file is larger than 64 MB, the most the program reads";
        QTest::newRow("missing") << "missing" << qint64(100) << Status::Missing << 0 << QString();
        QTest::newRow("below a file")
            << "belowfile" << qint64(100) << Status::Missing << 0 << QString();
        QTest::newRow("folder") << "folder" << qint64(100) << Status::NotRegular << 0 << QString();
        QTest::newRow("fifo") << "fifo" << qint64(100) << Status::NotRegular << 0 << QString();
        QTest::newRow("link to /dev/zero")
            << "zero" << qint64(100) << Status::NotRegular << 0 << QString();
        QTest::newRow("link to a file") << "link" << qint64(100) << Status::Ok << 100 << QString();
    }
    void kinds() {
        QFETCH(QString, kind);
        QFETCH(qint64, cap);
        QFETCH(Status, status);
        QFETCH(int, size);
        QFETCH(QString, reason);
        TempDir dir;
        const QString file = dir.write(QStringLiteral("f"), QByteArray(100, 'x'));
        QString path = dir.file(QStringLiteral("subject"));
        if (kind == QLatin1String("file"))
            path = file;
        else if (kind == QLatin1String("empty"))
            path = dir.write(QStringLiteral("e"), {});
        else if (kind == QLatin1String("belowfile"))
            path = file + QStringLiteral("/x");
        else if (kind == QLatin1String("folder"))
            path = dir.path();
        else if (kind == QLatin1String("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (kind == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(file, path));
        else if (kind.startsWith(QLatin1String("file"))) {
            const qint64 length = kind == QLatin1String("file1k")    ? 1024
                                  : kind == QLatin1String("file1k1") ? 1025
                                                                     : cap + 1;
            path = dir.write(QStringLiteral("sized"), {});
            QVERIFY(QFile::resize(path, length));
        }
        const regularfile::Result r = regularfile::read(path, cap);
        QCOMPARE(r.status, status);
        QCOMPARE(r.bytes.size(), size);
        // Callers keep the bytes (a button's picture for the whole run):
        // nothing grown past the end is kept with them.
        QVERIFY2(r.bytes.capacity() - r.bytes.size() < 4096,
                 qPrintable(QString::number(r.bytes.capacity())));
        if (status != Status::Ok)
            QCOMPARE(regularfile::cannotOpen(path, r.status, cap),
                     "Cannot open file " + path + reason);
    }
};

TABDECK_TEST(RegularFileTest)
#include "RegularFileTest.moc"
