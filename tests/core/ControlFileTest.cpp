#include "core/ControlFile.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/Error.h"

#include <QFile>
#include <QTest>
#include <QThread>
#include <cstdio>

using testsupport::TempDir;

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace

// The rules of reading and writing single keys, each on a file given as bytes.
class ControlFileTest : public QObject {
    Q_OBJECT
private slots:
    void read_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("text");

        const QByteArray basic = "[BUTTON]\r\n1=/usr/bin/gimp\r\n2=\r\n[POS]\r\nTop=12\r\n";
        QTest::newRow("plain") << basic << "BUTTON"
                               << "1" << 256 << "/usr/bin/gimp";
        QTest::newRow("empty value") << basic << "BUTTON"
                                     << "2" << 256 << "";
        QTest::newRow("missing key") << basic << "BUTTON"
                                     << "3" << 256 << "";
        QTest::newRow("missing section") << basic << "ICON"
                                         << "1" << 256 << "";
        QTest::newRow("section case") << basic << "button"
                                      << "1" << 256 << "/usr/bin/gimp";
        QTest::newRow("key case") << basic << "pos"
                                  << "TOP" << 10 << "12";
        QTest::newRow("key from other section not taken") << basic << "POS"
                                                          << "1" << 10 << "";
        QTest::newRow("blanks around equals") << QByteArray("[POS]\r\n  Top  =  34  \r\n") << "POS"
                                              << "Top" << 10 << "34";
        QTest::newRow("tab around equals") << QByteArray("[POS]\n\tTop\t=\t34\t\n") << "POS"
                                           << "Top" << 10 << "34";
        QTest::newRow("blanks in section header") << QByteArray("[ POS ]\r\nTop=5\r\n") << "POS"
                                                  << "Top" << 10 << "5";
        QTest::newRow("lf only") << QByteArray("[A]\nk=v\n[B]\nk=w\n") << "B"
                                 << "k" << 80 << "w";
        QTest::newRow("cr only") << QByteArray("[A]\rk=v\r[B]\rk=w\r") << "B"
                                 << "k" << 80 << "w";
        QTest::newRow("mixed line ends") << QByteArray("[A]\r\nk=v\n[B]\rk=w") << "B"
                                         << "k" << 80 << "w";
        QTest::newRow("no final line break") << QByteArray("[A]\r\nk=last") << "A"
                                             << "k" << 80 << "last";
        QTest::newRow("first duplicate wins") << QByteArray("[A]\r\nk=one\r\nk=two\r\n") << "A"
                                              << "k" << 80 << "one";
        QTest::newRow("duplicate section searched in order")
            << QByteArray("[A]\r\nx=1\r\n[B]\r\n[a]\r\nk=two\r\n") << "A"
            << "k" << 80 << "two";
        QTest::newRow("comment is no key") << QByteArray("[A]\r\n;k=commented\r\nk=real\r\n") << "A"
                                           << "k" << 80 << "real";
        QTest::newRow("hash comment") << QByteArray("[A]\r\n#k=commented\r\n") << "A"
                                      << "#k" << 80 << "";
        QTest::newRow("text before first section is no key")
            << QByteArray("k=stray\r\n[A]\r\nj=1\r\n") << "A"
            << "k" << 80 << "";
        QTest::newRow("equals in value") << QByteArray("[A]\r\nk=a=b\r\n") << "A"
                                         << "k" << 80 << "a=b";
        QTest::newRow("utf-8") << QByteArray("[TABLENAME]\r\n1=Grüße 🎉\r\n") << "TABLENAME"
                               << "1" << 80 << QString::fromUtf8("Grüße 🎉");
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[A]\r\nk=v\r\n") << "A"
                                         << "k" << 80 << "v";
        QTest::newRow("nul ends value") << QByteArray("[A]\r\nk=ab\0cd\r\n", 14) << "A"
                                        << "k" << 80 << "ab";
        QTest::newRow("limit 10 cuts to 9") << QByteArray("[A]\r\nk=1234567890AB\r\n") << "A"
                                            << "k" << 10 << "123456789";
        QTest::newRow("limit 1 gives nothing") << QByteArray("[A]\r\nk=abc\r\n") << "A"
                                               << "k" << 1 << "";
        QTest::newRow("cut counts characters, not bytes") << QByteArray("[A]\r\nk=äöüß\r\n") << "A"
                                                          << "k" << 4 << QString::fromUtf8("äöü");
        QTest::newRow("cut never splits a pair") << QByteArray("[A]\r\nk=🎉🎉🎉\r\n") << "A"
                                                 << "k" << 3 << QString::fromUtf8("🎉🎉");
        QTest::newRow("bracket line without close is no section")
            << QByteArray("[A]\r\n[B\r\nk=v\r\n") << "A"
            << "k" << 80 << "v";
    }
    void read() {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, limit);
        QFETCH(QString, text);
        // A file of ordinary size keeps its values decoded, a very large one
        // decodes at each read: both read alike.
        const QByteArray large = file + "\r\n;" + QByteArray(1100 * 1024, 'x') + "\r\n";
        for (const QByteArray& bytes : {file, large}) {
            TempDir dir;
            ControlFile cf(dir.write("c.INI", bytes));
            const ControlFile::Value v = cf.read(section, key, limit);
            QCOMPARE(v.text, text);
            QCOMPARE(v.length, int(text.toUcs4().size()));
        }
    }

    void missingFileReadsEmpty() {
        TempDir dir;
        ControlFile cf(dir.file("none.INI"));
        QVERIFY(!cf.exists());
        const auto v = cf.read("BUTTON", "1", 256);
        QCOMPARE(v.text, QString());
        QCOMPARE(v.length, 0);
    }

    void write_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("new file") << QByteArray() << "POS"
                                  << "Top"
                                  << "5" << QByteArray("[POS]\r\nTop=5\r\n");
        QTest::newRow("empty value keeps key") << QByteArray() << "HIDE"
                                               << "HideMe"
                                               << "" << QByteArray("[HIDE]\r\nHideMe=\r\n");
        QTest::newRow("existing key keeps place")
            << QByteArray("[A]\r\nx=1\r\nk=old\r\ny=2\r\n") << "A"
            << "k"
            << "new" << QByteArray("[A]\r\nx=1\r\nk=new\r\ny=2\r\n");
        QTest::newRow("key case of file kept") << QByteArray("[Pos]\r\nTOP=1\r\n") << "POS"
                                               << "top"
                                               << "2" << QByteArray("[Pos]\r\nTOP=2\r\n");
        QTest::newRow("missing key at end of its section")
            << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n") << "a"
            << "k"
            << "v" << QByteArray("[A]\r\nx=1\r\nk=v\r\n[B]\r\ny=2\r\n");
        QTest::newRow("missing key before blank lines")
            << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\n") << "A"
            << "k"
            << "v" << QByteArray("[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\n");
        QTest::newRow("missing section at end")
            << QByteArray("[A]\r\nx=1\r\n") << "B"
            << "k"
            << "v" << QByteArray("[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
        QTest::newRow("missing final line break mended")
            << QByteArray("[A]\r\nx=1") << "A"
            << "k"
            << "v" << QByteArray("[A]\r\nx=1\r\nk=v\r\n");
        QTest::newRow("unknown lines kept")
            << QByteArray("junk before\n; a comment\n[A]\nwhat is this\nx = 1 \n\xff\xfe\n") << "A"
            << "x"
            << "2" << QByteArray("junk before\n; a comment\n[A]\nwhat is this\nx=2\n\xff\xfe\n");
        QTest::newRow("first duplicate changed") << QByteArray("[A]\r\nk=1\r\nk=2\r\n") << "A"
                                                 << "K"
                                                 << "3" << QByteArray("[A]\r\nk=3\r\nk=2\r\n");
        QTest::newRow("line break in value stays one line")
            << QByteArray() << "A"
            << "k"
            << "one\r\ntwo=3" << QByteArray("[A]\r\nk=one  two=3\r\n");
        QTest::newRow("byte-order mark kept")
            << QByteArray("\xEF\xBB\xBFk=1\r\n[A]\r\nk=1\r\n") << "A"
            << "k"
            << "2" << QByteArray("\xEF\xBB\xBFk=1\r\n[A]\r\nk=2\r\n");
        QTest::newRow("utf-8 value") << QByteArray() << "TABLENAME"
                                     << "3" << QString::fromUtf8("Ñandú")
                                     << QByteArray("[TABLENAME]\r\n3=\xC3\x91\x61nd\xC3\xBA\r\n");
    }
    void write() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        TempDir dir;
        const QString path = dir.file("c.INI");
        if (!before.isNull())
            dir.write("c.INI", before);
        ControlFile cf(path);
        cf.write(section, key, value);
        QCOMPARE(contentOf(path), after);
        // A second object sees the same value the writer cached.
        ControlFile other(path);
        QCOMPARE(other.read(section, key, 4096).text, cf.read(section, key, 4096).text);
    }

    void lengthTests_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("set");
        QTest::addColumn<bool>("nonEmpty");
        QTest::newRow("HIDE false is on") << "false" << 10 << true << true;
        QTest::newRow("HIDE two chars is off") << "on" << 10 << false << true;
        QTest::newRow("HIDE one char is off") << "1" << 10 << false << true;
        QTest::newRow("STYLE one digit is normal") << "1" << 10 << false << true;
        QTest::newRow("PICTURE False is on (non-empty)") << "False" << 10 << true << true;
        QTest::newRow("TABLENAME one char is a name") << "X" << 80 << false << true;
        QTest::newRow("PROCOLOR one char ignored") << "1" << 80 << false << true;
        QTest::newRow("drive letter shows filled, opens nothing") << "C:" << 256 << false << true;
        QTest::newRow("empty") << "" << 256 << false << false;
    }
    void lengthTests() {
        QFETCH(QString, value);
        QFETCH(int, limit);
        QFETCH(bool, set);
        QFETCH(bool, nonEmpty);
        TempDir dir;
        ControlFile cf(dir.file("c.INI"));
        cf.write("S", "k", value);
        const auto v = cf.read("S", "k", limit);
        QCOMPARE(v.isSet(), set);
        QCOMPARE(v.nonEmpty(), nonEmpty);
        QCOMPARE(ControlFile::isSet(v.length), set);
        QCOMPARE(ControlFile::nonEmpty(v.length), nonEmpty);
    }

    void buttonLimit_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("read");
        QTest::newRow("255 read whole") << 255 << 255;
        QTest::newRow("256 loses last") << 256 << 255;
        QTest::newRow("1000") << 1000 << 255;
    }
    void buttonLimit() {
        QFETCH(int, size);
        QFETCH(int, read);
        TempDir dir;
        ControlFile cf(dir.file("c.INI"));
        QString target = QStringLiteral("/");
        while (target.size() < size)
            target += QChar(char16_t('a' + target.size() % 26));
        cf.write("BUTTON", "7", target);
        const auto v = cf.read("BUTTON", "7", 256);
        QCOMPARE(v.length, read);
        QCOMPARE(v.text, target.left(read));
    }

    // A change made by another program is seen by the reads that follow it
    // (the identity is confirmed at least once a millisecond).
    void seesChangeOnDisk() {
        TempDir dir;
        const QString path = dir.write("c.INI", "[A]\r\nk=1\r\n");
        QTest::qWait(30);
        ControlFile cf(path);
        QCOMPARE(cf.read("A", "k", 80).text, QString("1"));
        QCOMPARE(cf.read("A", "k", 80).text, QString("1"));
        // Same size, rewritten in place (same inode): only the time tells.
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.write("[A]\r\nk=2\r\n");
        }
        QTest::qWait(3);
        QCOMPARE(cf.read("A", "k", 80).text, QString("2"));
        // Replaced by another file.
        ControlFile other(path);
        other.write("A", "k", "3");
        QTest::qWait(3);
        QCOMPARE(cf.read("A", "k", 80).text, QString("3"));
        QFile::remove(path);
        QTest::qWait(3);
        QCOMPARE(cf.read("A", "k", 80).length, 0);
    }

    // The reads of one turn of the event loop (a loading job, a window reading
    // its settings) check the file once: another program's change in the
    // middle of the turn is seen by the first read of the next turn, the next
    // user action, and in a turn that never ends, after at most 64 reads once
    // the turn's time is up.
    void burstChecksOncePerTurn_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("endTurn");
        QTest::newRow("rewritten in place, next turn") << 0 << "2" << true;
        QTest::newRow("replaced, next turn") << 1 << "3" << true;
        QTest::newRow("removed, next turn") << 2 << "" << true;
        QTest::newRow("rewritten in place, turn past its time") << 0 << "2" << false;
    }
    void burstChecksOncePerTurn() {
        QFETCH(int, change);
        QFETCH(QString, after);
        QFETCH(bool, endTurn);
        TempDir dir;
        const QString path = dir.write("c.INI", "[A]\r\nk=1\r\n");
        QTest::qWait(30);
        ControlFile cf(path);
        QCOMPARE(cf.read("A", "k", 80).text, QString("1"));
        if (change == 0) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.write("[A]\r\nk=2\r\n");
        } else if (change == 1) {
            const QString next = dir.write("c.new", "[A]\r\nk=3\r\n");
            QVERIFY(std::rename(QFile::encodeName(next).constData(),
                                QFile::encodeName(path).constData()) == 0);
        } else {
            QVERIFY(QFile::remove(path));
        }
        // Longer than a check outside an event loop waits; still this turn.
        QThread::msleep(5);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(cf.read("A", "k", 80).text, QString("1"));
        if (endTurn) {
            QCoreApplication::processEvents();
            QCOMPARE(cf.read("A", "k", 80).text, after);
            return;
        }
        QThread::msleep(250);
        QString last;
        for (int i = 0; i < 64; ++i)
            last = cf.read("A", "k", 80).text;
        QCOMPARE(last, after);
    }

    // Two objects in one process: a write through one is what the next read
    // through the other returns, without waiting.
    void writeSeenByOtherObjectAtOnce() {
        TempDir dir;
        const QString path = dir.write("c.INI", "[A]\r\nk=1\r\n");
        QTest::qWait(30);
        ControlFile reader(path);
        ControlFile writer(path);
        QCOMPARE(reader.read("A", "k", 80).text, QString("1"));
        QCOMPARE(reader.read("A", "k", 80).text, QString("1"));
        writer.write("A", "k", "2");
        QCOMPARE(reader.read("A", "k", 80).text, QString("2"));
        writer.replaceText("[A]\r\nk=3\r\n");
        QCOMPARE(reader.read("A", "k", 80).text, QString("3"));
    }

    // A write never builds on a stale copy: another program's change made
    // just before it survives.
    void writeKeepsChangeMadeJustBefore() {
        TempDir dir;
        const QString path = dir.write("c.INI", "[A]\r\nk=1\r\n");
        QTest::qWait(30);
        ControlFile cf(path);
        QCOMPARE(cf.read("A", "k", 80).text, QString("1"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.write("[A]\r\nk=9\r\n");
        }
        cf.write("A", "j", "x");
        QCOMPARE(contentOf(path), QByteArray("[A]\r\nk=9\r\nj=x\r\n"));
    }

    // Right after our own write the file's time is too fresh to trust, so
    // reads compare the bytes on disk with the ones last parsed: content that
    // changes in place and back again must be seen each time.
    void freshFileChangedBackAndForth() {
        TempDir dir;
        const QString path = dir.write("c.INI", "");
        ControlFile cf(path);
        cf.write("A", "k", "1");
        QCOMPARE(cf.read("A", "k", 80).text, QString("1"));
        const auto overwrite = [&](const QByteArray& bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.write(bytes);
        };
        for (const char* value : {"2", "1", "2", "1"}) {
            overwrite(QByteArray("[A]\r\nk=") + value + "\r\n");
            QTest::qWait(2);
            QCOMPARE(cf.read("A", "k", 80).text, QString(value));
        }
        // Our own later write is what the next read returns.
        cf.write("A", "k", "3");
        QCOMPARE(cf.read("A", "k", 80).text, QString("3"));
        overwrite("[A]\r\nk=4\r\n");
        QTest::qWait(2);
        QCOMPARE(cf.read("A", "k", 80).text, QString("4"));
    }

    void replaceText() {
        TempDir dir;
        const QString path = dir.write("c.INI", "[A]\r\nk=1\r\n");
        ControlFile cf(path);
        QCOMPARE(cf.read("A", "k", 80).text, QString("1"));
        cf.replaceText("[A]\nk=edited\n");
        QCOMPARE(contentOf(path), QByteArray("[A]\nk=edited\n"));
        QCOMPARE(cf.read("A", "k", 80).text, QString("edited"));
    }

    void writeAllEqualsSingleWrites() {
        TempDir dir;
        const QByteArray start = "pre\n[B]\r\n2=x\r\n";
        ControlFile single(dir.write("single.INI", start));
        ControlFile batch(dir.write("batch.INI", start));
        QList<ControlFile::Entry> entries{
            {"B", "1", "a"}, {"C", "1", ""}, {"b", "2", "y"}, {"B", "3", "z"}, {"c", "2", "q"}};
        for (const auto& e : entries)
            single.write(e.section, e.key, e.value);
        batch.writeAll(entries);
        QCOMPARE(contentOf(batch.path()), contentOf(single.path()));
    }
};

TABDECK_TEST(ControlFileTest)
#include "ControlFileTest.moc"
