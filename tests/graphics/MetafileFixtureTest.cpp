#include "TestRegistry.h"
#include "core/Error.h"
#include "graphics/Metafile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

QByteArray readFixture(const QString& name) {
    QFile f(QStringLiteral(TABDECK_TEST_DATA "/metafile/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QImage renderMetafile(const Metafile& m, QSize size, QSize frame) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    m.play(p, QRectF(QPointF(0, 0), frame));
    return image;
}

QImage renderSvg(const QString& name, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QSvgRenderer svg(QStringLiteral(TABDECK_TEST_DATA "/metafile/") + name);
    QPainter p(&image);
    svg.render(&p, QRectF(QPointF(0, 0), size));
    return image;
}

// Share of pixels whose colour differs by more than tolerance in any channel.
double mismatch(const QImage& a, const QImage& b, int tolerance) {
    qint64 bad = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance ||
                std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance)
                ++bad;
        }
    return double(bad) / (qint64(a.width()) * a.height());
}

} // namespace

// Metafiles written by a real third-party writer from our own SVG clip-art,
// drawn by our player and compared with the SVG drawn directly.
class MetafileFixtureTest : public QObject {
    Q_OBJECT
private slots:
    void rendersLikeItsSource_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("svg");
        QTest::addColumn<Metafile::Format>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("shapes emf")
            << "shapes.emf"
            << "shapes.svg" << Metafile::Format::Enhanced << QSize(200, 150);
        QTest::newRow("shapes wmf") << "shapes.wmf"
                                    << "shapes.svg" << Metafile::Format::Windows << QSize(200, 150);
        QTest::newRow("house emf") << "house.emf"
                                   << "house.svg" << Metafile::Format::Enhanced << QSize(160, 160);
        QTest::newRow("house wmf") << "house.wmf"
                                   << "house.svg" << Metafile::Format::Windows << QSize(160, 160);
        QTest::newRow("many emf") << "many.emf"
                                  << "many.svg" << Metafile::Format::Enhanced << QSize(640, 480);
        QTest::newRow("many wmf") << "many.wmf"
                                  << "many.svg" << Metafile::Format::Windows << QSize(640, 480);
    }
    void rendersLikeItsSource() {
        QFETCH(QString, file);
        QFETCH(QString, svg);
        QFETCH(Metafile::Format, format);
        QFETCH(QSize, size);
        const QByteArray bytes = readFixture(file);
        QVERIFY(!bytes.isEmpty());
        const Metafile m = Metafile::fromBytes(bytes);
        QCOMPARE(m.format(), format);
        // The writer pads its enhanced frames by up to its widest stroke.
        QVERIFY2(m.size().width() >= size.width() - 1 && m.size().width() <= size.width() + 3 &&
                     m.size().height() >= size.height() - 1 &&
                     m.size().height() <= size.height() + 3,
                 qPrintable(QStringLiteral("%1x%2").arg(m.size().width()).arg(m.size().height())));
        QCOMPARE(m.bytes(), bytes);
        // Drawn at twice the natural size; edges differ by antialiasing and
        // the writer's rounding, so up to 3 % of the pixels may differ by more
        // than 64 levels.
        // The metafile's own frame is drawn at that same scale.
        const QSize at = size * 2;
        const QImage ours = renderMetafile(m, at, m.size() * 2);
        const QImage reference = renderSvg(svg, at);
        if (qEnvironmentVariableIsSet("TABDECK_KEEP_RENDERINGS")) {
            ours.save(QStringLiteral("/tmp/") + file + QStringLiteral(".ours.png"));
            reference.save(QStringLiteral("/tmp/") + file + QStringLiteral(".ref.png"));
        }
        const double diff = mismatch(ours, reference, 64);
        QVERIFY2(diff < 0.03, qPrintable(QStringLiteral("%1 % of pixels differ").arg(diff * 100)));
    }

    // The writer's own reading of its files, rendered to PNG at 192 dpi.
    // Arabic is compared with the writer's rendering of the source drawing
    // (its metafile reader misplaces Arabic runs), and the old-style file
    // with the source drawn with solid strokes: an old pen wider than one
    // unit draws every style solid.
    void rendersLikeTheWriterReadsIt_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<double>("allowed");
        QTest::newRow("hebrew") << "hebrew.emf"
                                << "hebrew.emf.png" << 0.03;
        QTest::newRow("arabic") << "arabic.emf"
                                << "arabic.svg.png" << 0.03;
        QTest::newRow("wide dashes emf") << "dashes.emf"
                                         << "dashes.emf.png" << 0.03;
        QTest::newRow("wide dashes wmf") << "dashes.wmf"
                                         << "dashes-solid.svg.png" << 0.03;
        QTest::newRow("fine dashes") << "finedash.emf"
                                     << "finedash.emf.png" << 0.03;
    }
    void rendersLikeTheWriterReadsIt() {
        QFETCH(QString, file);
        QFETCH(QString, reference);
        QFETCH(double, allowed);
        const QImage expected(QStringLiteral(TABDECK_TEST_DATA "/metafile/") + reference);
        QVERIFY(!expected.isNull());
        const Metafile m = Metafile::fromBytes(readFixture(file));
        const QImage ours = renderMetafile(m, expected.size(), m.size() * 2);
        if (qEnvironmentVariableIsSet("TABDECK_KEEP_RENDERINGS"))
            ours.save(QStringLiteral("/tmp/") + file + QStringLiteral(".ours.png"));
        const double diff = mismatch(ours, expected.convertToFormat(ours.format()), 64);
        QVERIFY2(diff < allowed,
                 qPrintable(QStringLiteral("%1 % of pixels differ").arg(diff * 100)));
    }
};

TABDECK_TEST(MetafileFixtureTest)
#include "MetafileFixtureTest.moc"
