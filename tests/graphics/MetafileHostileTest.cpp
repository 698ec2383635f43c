#include "MetafileBuilder.h"
#include "TestRegistry.h"
#include "core/Error.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace metafiletest;

namespace {

QByteArray fixture(const QString& name) {
    QFile f(QStringLiteral(TABDECK_TEST_DATA "/metafile/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Plays bytes that may or may not be a metafile; true when accepted.
bool playAny(const QByteArray& bytes, QImage* out = nullptr) {
    try {
        const QImage image = draw(bytes);
        if (out)
            *out = image;
        return true;
    } catch (const AppError& e) {
        if (e.text() != QStringLiteral("Metafile is not valid"))
            throw;
        return false;
    }
}

QByteArray emfRecord(quint32 type, quint32 size, const QByteArray& body = {}) {
    QByteArray r;
    put32(r, type);
    put32(r, size);
    return r + body;
}

QByteArray repeated(const QByteArray& record, int times) {
    QByteArray out;
    out.reserve(record.size() * times);
    for (int i = 0; i < times; ++i)
        out += record;
    return out;
}

// A right-to-left text record of n Hebrew letters, each with an advance.
QByteArray rightToLeftText(quint32 n) {
    QByteArray body;
    for (quint32 v : {0u, 0u, 0u, 0u, 1u, 0u, 0u, 50u, 50u, n, 76u, 0x80u, 0u, 0u, 0u, 0u})
        put32(body, v);
    put32(body, 76 + 2 * n);
    for (quint32 i = 0; i < n; ++i)
        put16(body, quint16(0x5d0 + i % 27));
    for (quint32 i = 0; i < n; ++i)
        put32(body, 3);
    return emfRecord(84, 8 + body.size(), body);
}

} // namespace

// Broken and hostile metafiles: a clear error or a partial drawing, never a
// crash, a hang or a huge allocation (run under the sanitizers too).
class MetafileHostileTest : public QObject {
    Q_OBJECT
private slots:
    // Each file first fills the left half red; what follows is broken. The
    // red half must survive, and playing must stay quick.
    void emfPartialDrawing_data() {
        QTest::addColumn<QByteArray>("bytes");
        const Emf good = Emf().redFill().rectangle(0, 0, 50, 100);
        QByteArray zeroSize;
        put32(zeroSize, 43);
        put32(zeroSize, 0);
        QTest::newRow("record size 0") << Emf(good).raw(zeroSize).rectangle(0, 0, 100, 100).bytes();
        QByteArray odd;
        put32(odd, 43);
        put32(odd, 13);
        odd.append(16, '\0');
        QTest::newRow("record size odd") << Emf(good).raw(odd).rectangle(0, 0, 100, 100).bytes();
        QTest::newRow("record past the end")
            << Emf(good).raw(emfRecord(43, 0x7ffffff0)).bytes(false);
        QTest::newRow("short record")
            << Emf(good).rec(43, {60}).rec(35, {}).rec(37, {}).rec(84, {1, 2}).bytes();
        QTest::newRow("object index out of range")
            << Emf(good)
                   .select(5000)
                   .rec(40, {0xffffff})
                   .solidBrush(0xffffff, 0)
                   .solidBrush(0, rgb(0, 0, 255)) // slot 0 is reserved
                   .select(0)
                   .rectangle(50, 0, 100, 100)
                   .bytes();
        QTest::newRow("polyline count huge")
            << Emf(good).rec(4, {0, 0, 0, 0, 0xffffffff, 1, 2}).bytes();
        QTest::newRow("polypolygon counts huge")
            << Emf(good).rec(8, {0, 0, 0, 0, 0x40000000, 0x40000000, 3, 3}).bytes();
        QTest::newRow("polypolygon counts past total")
            << Emf(good).rec(8, {0, 0, 0, 0, 2, 3, 3, 3, 0, 0, 10, 10, 0, 10}).bytes();
        QTest::newRow("deep save nesting") << Emf(good)
                                                  .raw(repeated(emfRecord(33, 8), 100000))
                                                  .rec(34, {quint32(-100000)})
                                                  .rec(34, {0})
                                                  .rec(34, {5})
                                                  .bytes();
        QTest::newRow("restore without save") << Emf(good).rec(34, {quint32(-1)}).bytes();
        QTest::newRow("dib 65535 x 65535")
            << Emf(good)
                   .rec(81, {0,  0,   0, 0, 0,          0,   0,   0,  10,    10,    80,
                             40, 120, 4, 0, 0x00CC0020, 100, 100, 40, 65535, 65535, 0x00180001,
                             0,  0,   0, 0, 0,          0,   0,   0,  0})
                   .bytes();
        QTest::newRow("dib offsets past record")
            << Emf(good)
                   .rec(81, {0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 0xfffffff0, 40, 0x7fffffff, 16, 0,
                             0x00CC0020, 100, 100})
                   .bytes();
        QTest::newRow("dib bits cut")
            << Emf(good)
                   .rec(81, {0,  0,   0, 0, 0,          0,   0,   0,  64, 64, 80,
                             40, 120, 4, 0, 0x00CC0020, 100, 100, 40, 64, 64, 0x00180001,
                             0,  0,   0, 0, 0,          0,   0,   0,  0})
                   .bytes();
        QTest::newRow("region count huge")
            << Emf(good)
                   .rec(75, {48, 5, 32, 1, 0x10000000, 16, 0, 0, 100, 100, 0, 0, 10, 10})
                   .bytes();
        QTest::newRow("transform not finite")
            << Emf(good)
                   .rec(35, {0x7fc00000, 0, 0, 0x7f800000, 0, 0})
                   .rec(36, {f32(1e30f), 0, 0, f32(1e30f), 0, 0, 3})
                   .rectangle(50, 0, 100, 100)
                   .bytes();
        QTest::newRow("huge coordinates") << Emf(good)
                                                 .rec(38, {1, 1, 0x7fffffff, 0, 0})
                                                 .select(1)
                                                 .rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX)
                                                 .rec(42, {quint32(INT_MIN), quint32(INT_MIN),
                                                           quint32(INT_MAX), quint32(INT_MAX)})
                                                 .bytes();
        QTest::newRow("extreme mapping") << Emf(good)
                                                .rec(17, {8})
                                                .rec(9, {1, 1})
                                                .rec(11, {0x7fffffff, 0x7fffffff})
                                                .rec(38, {1, 1, 0, 0, 0})
                                                .select(1)
                                                .rec(27, {0, 0})
                                                .rec(54, {1000, 1000})
                                                .bytes();
        QTest::newRow("text length huge")
            << Emf(good)
                   .rec(84, {0, 0, 0, 0, 1, 0, 0, 50, 50, 0x7fffffff, 76, 0, 0, 0, 0, 0, 80})
                   .bytes();
        // Shaped text placed cluster by cluster is charged for its cost.
        QTest::newRow("long right-to-left text by the hundred")
            << Emf(good).raw(repeated(rightToLeftText(6000), 200)).bytes();
        // Cheap records by the hundred thousand hit the budget, not the clock.
        QTest::newRow("many clip records")
            << Emf(good)
                   .raw(repeated(emfRecord(29, 24,
                                           QByteArray::fromHex("0100000001000000020000000"
                                                               "2000000")),
                                 20000))
                   .bytes();
    }
    void emfPartialDrawing() {
        QFETCH(QByteArray, bytes);
        QElapsedTimer timer;
        timer.start();
        QImage image;
        QVERIFY(playAny(bytes, &image));
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(near(image.pixel(25, 50), qRgb(255, 0, 0)));
    }

    void wmfPartialDrawing_data() {
        QTest::addColumn<QByteArray>("bytes");
        const Wmf good = Wmf().redFill().rectangle(0, 0, 50, 100);
        QByteArray zero;
        put32(zero, 0);
        put16(zero, 0x041B);
        QTest::newRow("record size 0") << Wmf(good).raw(zero).rectangle(0, 0, 100, 100).bytes();
        QByteArray past;
        put32(past, 0x7fffffff);
        put16(past, 0x041B);
        QTest::newRow("record past the end") << Wmf(good).raw(past).bytes();
        QTest::newRow("polygon count past record")
            << Wmf(good).rec(0x0324, {30000, 0, 0, 100, 100}).bytes();
        QTest::newRow("polypolygon counts past record")
            << Wmf(good).rec(0x0538, {3, -1, -1, -1, 0, 0}).bytes();
        QTest::newRow("object index out of range")
            << Wmf(good).rec(0x012D, {30000}).rec(0x01F0, {-5}).rec(0x012C, {999}).bytes();
        QTest::newRow("more objects than slots") << Wmf(2)
                                                        .redFill()
                                                        .rectangle(0, 0, 50, 100)
                                                        .solidBrush(rgb(0, 0, 255))
                                                        .solidBrush(rgb(0, 0, 255))
                                                        .bytes();
        QTest::newRow("deep save nesting")
            << Wmf(good)
                   .raw(repeated(QByteArray::fromHex("030000001e00"), 100000))
                   .rec(0x0127, {-32768})
                   .bytes();
        QTest::newRow("region scans huge")
            << Wmf(good).rec(0x06FF, {0, 6, 0, 0, 0, 32767, 0, 0, 0, 50, 100, 30000, 0}).bytes();
        QTest::newRow("dib 65535 x 65535")
            << Wmf(good)
                   .rec(0x0F43, {0x20, 0xCC, 0,  2, 2,  0, 0, 100, 100, 0, 0,
                                 40,   0,    -1, 0, -1, 0, 1, 24,  0,   0})
                   .bytes();
        QTest::newRow("text length past record")
            << Wmf(good).rec(0x0A32, {10, 10, 32000, 0, 65, 66}).rec(0x0521, {32000, 65}).bytes();
    }
    void wmfPartialDrawing() {
        QFETCH(QByteArray, bytes);
        QElapsedTimer timer;
        timer.start();
        QImage image;
        QVERIFY(playAny(bytes, &image));
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(near(image.pixel(25, 50), qRgb(255, 0, 0)));
    }

    // Every prefix of a real file is either refused with the message or drawn.
    void cutAtEveryLength_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("emf") << "shapes.emf";
        QTest::newRow("wmf") << "shapes.wmf";
    }
    void cutAtEveryLength() {
        QFETCH(QString, file);
        const QByteArray bytes = fixture(file);
        QVERIFY(!bytes.isEmpty());
        int accepted = 0;
        for (int n = 0; n < bytes.size(); ++n)
            accepted += playAny(bytes.left(n));
        QVERIFY(accepted > 0);
        QVERIFY(accepted < bytes.size());
        QVERIFY(playAny(bytes));
    }
};

TABDECK_TEST(MetafileHostileTest)
#include "MetafileHostileTest.moc"
