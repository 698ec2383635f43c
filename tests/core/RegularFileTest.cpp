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
        QTest::newRow("regular") << "file" << qint64(100) << Status::Ok << 100;
        QTest::newRow("cap far above the size") << "file" << qint64(1 << 24) << Status::Ok << 100;
        QTest::newRow("empty") << "empty" << qint64(100) << Status::Ok << 0;
        QTest::newRow("one over the cap") << "file" << qint64(99) << Status::TooLarge << 0;
        QTest::newRow("missing") << "missing" << qint64(100) << Status::Missing << 0;
        QTest::newRow("below a file") << "belowfile" << qint64(100) << Status::Missing << 0;
        QTest::newRow("folder") << "folder" << qint64(100) << Status::NotRegular << 0;
        QTest::newRow("fifo") << "fifo" << qint64(100) << Status::NotRegular << 0;
        QTest::newRow("link to /dev/zero") << "zero" << qint64(100) << Status::NotRegular << 0;
        QTest::newRow("link to a file") << "link" << qint64(100) << Status::Ok << 100;
    }
    void kinds() {
        QFETCH(QString, kind);
        QFETCH(qint64, cap);
        QFETCH(Status, status);
        QFETCH(int, size);
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
        const regularfile::Result r = regularfile::read(path, cap);
        QCOMPARE(r.status, status);
        QCOMPARE(r.bytes.size(), size);
        // Callers keep the bytes (a button's picture for the whole run):
        // nothing grown past the end is kept with them.
        QVERIFY2(r.bytes.capacity() - r.bytes.size() < 4096,
                 qPrintable(QString::number(r.bytes.capacity())));
    }
};

TABDECK_TEST(RegularFileTest)
#include "RegularFileTest.moc"
