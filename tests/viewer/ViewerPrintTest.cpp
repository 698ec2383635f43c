#include "TestRegistry.h"
#include "ViewerFixture.h"
#include "viewer/window/ViewerPrinter.h"

#include <QProcess>
#include <QStandardPaths>

using viewertest::Fixture;

// Print into real PDF files, read back with poppler's tools: every picture
// pixel is a 6 x 6 block of device pixels at the printable area's corner.
class ViewerPrintTest : public QObject {
    Q_OBJECT

    static QString run(const QString& tool, const QStringList& args) {
        QProcess p;
        p.start(tool, args);
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return QStringLiteral("<%1 failed: %2>")
                .arg(tool, QString::fromUtf8(p.readAllStandardError()));
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // The PDF's colours come back within a step of rounding.
    static bool near(QRgb a, QRgb b) {
        return qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2 &&
               qAbs(qBlue(a) - qBlue(b)) <= 2;
    }

private slots:
    void initTestCase() {
        for (const char* tool : {"pdfimages", "pdftoppm"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QFAIL("poppler-utils is not installed (scripts/packages.txt)");
    }

    void printsBlocks_data() {
        QTest::addColumn<QString>("picture"); // empty: the 100 x 50 bitmap
        QTest::addColumn<QSize>("size");
        QTest::newRow("bitmap 100 x 50") << QString() << QSize(100, 50);
        QTest::newRow("enhanced metafile") << viewertest::data("metafile/house.emf") << QSize();
        QTest::newRow("icon") << viewertest::data("graphics/multi.ico") << QSize();
    }
    void printsBlocks() {
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        Fixture f;
        f.make();
        const QImage source = viewertest::quadrants(100, 50);
        f.openFile(picture.isEmpty() ? f.bitmap("q.bmp", source) : picture);
        if (size.isEmpty())
            size = f.viewer().picture().size();

        QPrinter& printer = f.window->printer().printer();
        const QString pdf = f.dir.file("page.pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(144);
        const QPoint corner = printer.pageLayout().paintRectPixels(144).topLeft();
        f.prompts.expectPrint(true);
        f.trigger("Print1");
        QVERIFY(!f.window->printer().isPrinting());

        // One image, of the picture's own pixels.
        const QStringList rows = run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);
        const QStringList cols = rows[2].simplified().split(' ');
        QCOMPARE(cols[3].toInt(), size.width());
        QCOMPARE(cols[4].toInt(), size.height());
        QCOMPARE(cols[8], QStringLiteral("image")); // stored losslessly, not as JPEG

        // At 144 dpi one device pixel is one rendered pixel, on whole points.
        const QString png = f.dir.file("page");
        QVERIFY(run("pdftoppm", {"-r", "144", "-png", "-singlefile", pdf, png}).isEmpty());
        const QImage page(png + ".png");
        QVERIFY(!page.isNull());
        QRect inked;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if ((page.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    inked |= QRect(x, y, 1, 1);
        // The rasterizer also covers the pixel row and column that the
        // image's far edges touch.
        const QRect block = QRect(corner, size * 6).adjusted(0, 0, 1, 1);
        QVERIFY2(block.contains(inked) && !inked.isEmpty(),
                 qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                .arg(inked.x())
                                .arg(inked.y())
                                .arg(inked.width())
                                .arg(inked.height())));
        if (!picture.isEmpty())
            return;
        QCOMPARE(inked, block);
        QVERIFY(near(page.pixel(corner + QPoint(599, 299)), 0xFFFFFF00u));
        for (QPoint p :
             {QPoint(0, 0), QPoint(49, 24), QPoint(50, 0), QPoint(99, 49), QPoint(10, 30)})
            for (QPoint d : {QPoint(0, 0), QPoint(5, 5), QPoint(2, 4)})
                QVERIFY2(near(page.pixel(corner + p * 6 + d), source.pixel(p)),
                         qPrintable(QString::number(page.pixel(corner + p * 6 + d), 16)));
    }
};

TABDECK_TEST(ViewerPrintTest)
#include "ViewerPrintTest.moc"
