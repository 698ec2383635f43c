#include "graphics/LargeMemory.h"
#include "TestRegistry.h"

#include <QFile>
#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Resident memory of this process in KB.
long residentKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

class LargeMemoryTest : public QObject {
    Q_OBJECT
private slots:
    // Every size is usable to its last byte and aligned as the heap's; a
    // released block leaves nothing resident, however often it comes again.
    void allocateAndRelease_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("small, from the heap") << qint64(100);
        QTest::newRow("just under 2 MB") << qint64((2 << 20) - 1);
        QTest::newRow("a 3 MB picture") << qint64(3 << 20);
        QTest::newRow("a 48 MB picture") << qint64(48 << 20);
    }
    void allocateAndRelease() {
        QFETCH(qint64, bytes);
        auto* p = static_cast<unsigned char*>(largememory::allocate(size_t(bytes)));
        QVERIFY(p != nullptr);
        QCOMPARE(reinterpret_cast<std::uintptr_t>(p) % 16, std::uintptr_t(0));
        std::memset(p, 0x5A, size_t(bytes)); // every page touched
        QCOMPARE(p[bytes - 1], uchar(0x5A));
        largememory::release(p);
        largememory::release(nullptr);
        QVERIFY(largememory::allocate(size_t(-1) / 2) == nullptr); // no size wraps
    }

    // A picture copied into such memory keeps its pixels, whatever its
    // format; no size gives no picture.
    void imageCopy() {
        QImage source(37, 5, QImage::Format_ARGB32);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 37; ++x)
                source.setPixel(x, y, qRgba(x * 7, y * 50, x ^ y, 255));
        const QImage copy = largememory::copy(source);
        QCOMPARE(copy.format(), QImage::Format_RGB32);
        QCOMPARE(copy, source.convertToFormat(QImage::Format_RGB32));
        QVERIFY(largememory::image(0, 5).isNull() && largememory::image(5, -1).isNull());
        QVERIFY(largememory::copy(QImage()).isNull());
    }

    // Pictures of growing size, each outliving a small allocation made after
    // it: from the heap, each released picture would stay resident below
    // the small one.
    void releasedBlocksLeaveNothing() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer keeps freed memory to catch its use");
#endif
        largememory::release(largememory::allocate(size_t(16) << 20));
        const long before = residentKb();
        std::vector<void*> small;
        for (int i = 0; i < 12; ++i) {
            const size_t size = (size_t(3) << 20) + size_t(i) * (512 << 10);
            auto* p = static_cast<unsigned char*>(largememory::allocate(size));
            QVERIFY(p != nullptr);
            std::memset(p, 0x5A, size);
            small.push_back(std::malloc(64));
            largememory::release(p);
        }
        const long kept = residentKb() - before;
        for (void* p : small)
            std::free(p);
        if (before > 0)
            QVERIFY2(kept < 4 * 1024, qPrintable(QStringLiteral("%1 KB kept").arg(kept)));
    }
};

TABDECK_TEST(LargeMemoryTest)
#include "LargeMemoryTest.moc"
