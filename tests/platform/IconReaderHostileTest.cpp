#include "IconToolsSupport.h"
#include "TestRegistry.h"
#include "platform/IconReader.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

using icontools::fixture;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put32(QByteArray& b, qsizetype off, quint32 v) {
    qToLittleEndian<quint32>(v, b.data() + off);
}
void put16(QByteArray& b, qsizetype off, quint16 v) {
    qToLittleEndian<quint16>(v, b.data() + off);
}
quint32 get32(const QByteArray& b, qsizetype off) {
    return qFromLittleEndian<quint32>(b.constData() + off);
}
quint16 get16(const QByteArray& b, qsizetype off) {
    return qFromLittleEndian<quint16>(b.constData() + off);
}

// File offset of the PE resource directory, found the plain way.
qsizetype resourceDirectory(const QByteArray& b) {
    const qsizetype pe = get32(b, 0x3c);
    const qsizetype opt = pe + 24;
    const bool plus = get16(b, opt) == 0x20b;
    const quint32 rva = get32(b, opt + (plus ? 112 : 96) + 16);
    const qsizetype table = opt + get16(b, pe + 20);
    for (int i = 0; i < get16(b, pe + 6); ++i) {
        const qsizetype s = table + i * 40;
        const quint32 va = get32(b, s + 12);
        if (rva >= va && rva < va + get32(b, s + 16))
            return get32(b, s + 20) + (rva - va);
    }
    return -1;
}

// Reads every icon; returns the count. Crashes and hangs are the failures.
int readEverything(const QByteArray& bytes) {
    const int count = iconreader::iconCountInData(bytes);
    for (int n = 0; n < count && n < 16; ++n) {
        auto image = iconreader::iconInData(bytes, n);
        if (image && (image->width() > 1024 || image->height() > 1024))
            return -1;
    }
    return count;
}

} // namespace

class IconReaderHostileTest : public QObject {
    Q_OBJECT
private slots:
    // An icon library is mapped only when it is a regular file: a FIFO
    // would block the open, a device has no end.
    void nonRegularFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fifo");
        for (const char* name : {"lib.dll", "a.ico", "b.desktop"}) {
            QTest::newRow(qPrintable(QStringLiteral("fifo %1").arg(name))) << name << true;
            QTest::newRow(qPrintable(QStringLiteral("/dev/zero as %1").arg(name))) << name << false;
        }
    }
    void nonRegularFiles() {
        QFETCH(QString, name);
        QFETCH(bool, fifo);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (fifo)
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else
            QVERIFY(QFile::link("/dev/zero", path));
        QCOMPARE(iconreader::iconCount(path), 0);
        QVERIFY(!iconreader::icon(path, 0));
    }

    void truncatedEverywhere_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("PE32") << fixture("pe32.exe");
        QTest::newRow("PE32+") << fixture("pe64.dll");
        QTest::newRow("NE") << fixture("ne16.exe");
        QTest::newRow("ico") << fixture("mixed.ico");
    }
    void truncatedEverywhere() {
        QFETCH(QString, file);
        const QByteArray full = readAll(file);
        const int fullCount = iconreader::iconCountInData(full);
        QVERIFY(fullCount > 0);
        // Every length through the headers, then a sample across the data.
        for (qsizetype len = 0; len < full.size(); len += (len < 1024 ? 1 : 97)) {
            const int c = readEverything(full.left(len));
            QVERIFY2(c >= 0 && c <= fullCount, qPrintable(QString::number(len)));
        }
    }

    void patchedPe_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("maxCount");
        QTest::newRow("e_lfanew past the end") << "lfanew" << 0;
        QTest::newRow("2^31 sections") << "sections" << 8;
        QTest::newRow("resource RVA past the sections") << "rva" << 0;
        QTest::newRow("section data past the end") << "rawoffset" << 0;
        QTest::newRow("65535+65535 root entries") << "rootcount" << 8;
        QTest::newRow("root pointing at itself") << "cycle" << 2; // its own two entries
        QTest::newRow("data entries of 1 GB") << "hugesize" << 8;
        QTest::newRow("group counts of 65535") << "groupcount" << 8;
        QTest::newRow("images 2^31 wide") << "dibwidth" << 8;
    }
    void patchedPe() {
        QFETCH(QString, what);
        QFETCH(int, maxCount);
        QByteArray b = readAll(fixture("pe32.exe"));
        const qsizetype pe = get32(b, 0x3c);
        const qsizetype rsrc = resourceDirectory(b);
        QVERIFY(rsrc > 0);
        const qsizetype opt = pe + 24;
        const qsizetype table = opt + get16(b, pe + 20);
        int sectionWithRsrc = -1;
        for (int i = 0; i < get16(b, pe + 6); ++i)
            if (get32(b, table + i * 40 + 20) <= quint32(rsrc) &&
                quint32(rsrc) < get32(b, table + i * 40 + 20) + get32(b, table + i * 40 + 16))
                sectionWithRsrc = i;
        if (what == "lfanew")
            put32(b, 0x3c, 0xfffffff0u);
        else if (what == "sections")
            put16(b, pe + 6, 0xffff);
        else if (what == "rva")
            put32(b, opt + 96 + 16, 0x7fff0000u);
        else if (what == "rawoffset")
            put32(b, table + sectionWithRsrc * 40 + 20, 0x7fff0000u);
        else if (what == "rootcount") {
            put16(b, rsrc + 12, 0xffff);
            put16(b, rsrc + 14, 0xffff);
        } else if (what == "cycle") {
            // Every type entry leads back to the root directory.
            const int n = get16(b, rsrc + 12) + get16(b, rsrc + 14);
            for (int i = 0; i < n; ++i)
                put32(b, rsrc + 16 + i * 8 + 4, 0x80000000u);
        } else {
            // Patch every resource data entry, group or image, by its content.
            const QByteArray grp = readAll(fixture("pe32.exe"));
            for (qsizetype p = rsrc; p + 16 <= b.size(); p += 4) {
                if (what == "hugesize" && get32(b, p + 8) == 0 && get32(b, p + 12) == 0 &&
                    get32(b, p) > 0x1000 && get32(b, p) < 0x100000 && get32(b, p + 4) > 0 &&
                    get32(b, p + 4) < 0x10000)
                    put32(b, p + 4, 0x40000000u);
            }
            if (what == "groupcount" || what == "dibwidth") {
                for (qsizetype p = rsrc; p + 6 <= b.size(); p += 2) {
                    if (what == "groupcount" && get16(b, p) == 0 && get16(b, p + 2) == 1 &&
                        get16(b, p + 4) > 0 && get16(b, p + 4) < 8 && get16(b, p + 12) == 1)
                        put16(b, p + 4, 0xffff);
                    if (what == "dibwidth" && p + 16 <= b.size() && get32(b, p) == 40 &&
                        get32(b, p + 4) <= 64 && get32(b, p + 8) == 2 * get32(b, p + 4) &&
                        get16(b, p + 12) == 1)
                        put32(b, p + 4, 0x80000000u);
                }
            }
            Q_UNUSED(grp);
        }
        const int c = readEverything(b);
        QVERIFY(c >= 0);
        QVERIFY2(c <= maxCount, qPrintable(QString::number(c)));
        if (what == "dibwidth") {
            // Only the PNG images are left to show.
            int shown = 0;
            for (int n = 0; n < c; ++n)
                shown += iconreader::iconInData(b, n) ? 1 : 0;
            QVERIFY(shown < 7);
        }
    }

    void patchedNe_data() {
        QTest::addColumn<int>("offset"); // in the resource table at 0x80
        QTest::addColumn<int>("value");
        QTest::newRow("alignment shift 40") << 0 << 40;
        QTest::newRow("icon count 65535") << 4 << 0xffff;
        QTest::newRow("icon offset past the end") << 10 << 0xffff;
        QTest::newRow("group count 65535") << 2 + 8 + 36 + 2 << 0xffff;
    }
    void patchedNe() {
        QFETCH(int, offset);
        QFETCH(int, value);
        QByteArray b = readAll(fixture("ne16.exe"));
        put16(b, 0x80 + offset, quint16(value));
        const int c = readEverything(b);
        QVERIFY(c >= 0 && c <= 2);
    }

    void hostileIco_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray huge("\0\0\1\0\1\0", 6);
        huge += QByteArray("\0\0\0\0\1\0\x20\0", 8) + QByteArray("\0\0\0\x40", 4) +
                QByteArray("\x16\0\0\0", 4);
        QTest::newRow("1 GB image") << huge;
        QByteArray past("\0\0\1\0\1\0", 6);
        past += QByteArray("\x20\x20\0\0\1\0\x20\0", 8) + QByteArray("\x10\0\0\0", 4) +
                QByteArray("\xff\xff\xff\x7f", 4);
        QTest::newRow("offset past the end") << past;
        QByteArray many("\0\0\1\0\xff\xff", 6);
        QTest::newRow("65535 images, none there") << many;
    }
    void hostileIco() {
        QFETCH(QByteArray, bytes);
        QVERIFY(iconreader::iconCountInData(bytes) <= 1);
        QVERIFY(!iconreader::iconInData(bytes, 0));
    }
};

TABDECK_TEST(IconReaderHostileTest)
#include "IconReaderHostileTest.moc"
