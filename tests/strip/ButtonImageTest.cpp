#include "strip/window/ButtonImage.h"
#include "BrokenJpeg.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/Error.h"

#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>

namespace {

QString graphicsFixture(const char* name) {
    return QStringLiteral(TABDECK_TEST_DATA "/graphics/") + QLatin1String(name);
}

QString metafileFixture(const char* name) {
    return QStringLiteral(TABDECK_TEST_DATA "/metafile/") + QLatin1String(name);
}

QString writeUndecodableJpeg(const testsupport::TempDir& dir) {
    return dir.write(QStringLiteral("broken.jpg"), testsupport::undecodableJpeg());
}

Picture redBitmap() {
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 0));
    img.setPixelColor(0, 9, QColor(0, 0, 0)); // the transparent colour
    return Picture::fromImage(img);
}

bool sameImage(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

// A 64 x 64 picture larger than a button: blue with a red frame 4 wide, so
// a crop loses the red and a whole picture keeps it at its edges.
QImage framedImage() {
    QImage img(64, 64, QImage::Format_ARGB32);
    img.fill(QColor(255, 0, 0));
    QPainter(&img).fillRect(4, 4, 56, 56, QColor(0, 0, 255));
    return img;
}
const char FramedSvg[] = "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='64'>"
                         "<rect width='64' height='64' fill='#ff0000'/>"
                         "<rect x='4' y='4' width='56' height='56' fill='#0000ff'/></svg>";

// An icon theme of one icon, made the application's theme.
void installTheme(const testsupport::TempDir& dir) {
    dir.write(QStringLiteral("themes/tabdecktest/index.theme"),
              "[Icon Theme]\nName=tabdecktest\nDirectories=64x64/apps\n\n"
              "[64x64/apps]\nSize=64\nType=Fixed\n");
    const QString png =
        dir.write(QStringLiteral("themes/tabdecktest/64x64/apps/tabdeck-test.png"), {});
    framedImage().save(png);
    QIcon::setThemeSearchPaths({dir.file(QStringLiteral("themes"))});
    QIcon::setThemeName(QStringLiteral("tabdecktest"));
}

bool reddish(const QColor& c) {
    return c.red() > 160 && c.blue() < 100;
}

} // namespace

// A button picture shows what renderCentred gives, whether the picture was
// rendered when set or, for metafiles and JPEGs, when first needed.
class ButtonImageTest : public QObject {
    Q_OBJECT
private slots:
    void shownAsRendered_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("jpeg larger than the button") << graphicsFixture("baseline.jpg");
        QTest::newRow("progressive jpeg") << graphicsFixture("progressive.jpg");
        QTest::newRow("emf") << metafileFixture("shapes.emf");
        QTest::newRow("wmf") << metafileFixture("house.wmf");
        QTest::newRow("bitmap") << graphicsFixture("rgb24.bmp");
        QTest::newRow("icon") << graphicsFixture("multi.ico");
    }
    void shownAsRendered() {
        QFETCH(QString, path);
        ButtonImage img;
        img.resize(34, 34);
        img.setPicture(Picture::loadDeferred(path));
        const QImage expected =
            ButtonImage::renderCentred(Picture::load(path), QSize(34, 34), img.devicePixelRatioF());
        QVERIFY(img.hasPicture());
        QVERIFY(sameImage(img.image(), expected));
    }

    // PNG, SVG and theme pictures larger than a button show whole at every
    // pixel ratio: red at the edges, blue in the middle.
    void todaysPicturesShowWhole_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<qreal>("dpr");
        for (const char* source : {"png", "svg", "theme"})
            for (qreal dpr : {1.0, 1.25, 1.5, 2.0})
                QTest::addRow("%s at %.2f", source, dpr) << QString::fromLatin1(source) << dpr;
    }
    void todaysPicturesShowWhole() {
        QFETCH(QString, source);
        QFETCH(qreal, dpr);
        testsupport::TempDir dir;
        QString name;
        if (source == QLatin1String("png")) {
            name = dir.file(QStringLiteral("framed.png"));
            QVERIFY(framedImage().save(name));
        } else if (source == QLatin1String("svg")) {
            name = dir.write(QStringLiteral("framed.svg"), FramedSvg);
        } else {
            installTheme(dir);
            name = QStringLiteral("tabdeck-test");
        }
        const Picture picture = Picture::load(name);
        const QImage shown = ButtonImage::renderCentred(picture, QSize(34, 34), dpr);
        const int side = qRound(34 * dpr);
        QCOMPARE(shown.size(), QSize(side, side));
        for (const QPoint& edge : {QPoint(1, 1), QPoint(side - 2, side - 2), QPoint(1, side - 2)})
            QVERIFY2(reddish(shown.pixelColor(edge)), qPrintable(shown.pixelColor(edge).name()));
        QCOMPARE(shown.pixelColor(side / 2, side / 2), QColor(0, 0, 255));
        if (source == QLatin1String("svg") && dpr == std::floor(dpr)) {
            // Drawn from its shapes at the device's size, not enlarged from a small image.
            QImage direct(side, side, QImage::Format_ARGB32_Premultiplied);
            direct.fill(Qt::transparent);
            QPainter p(&direct);
            QSvgRenderer(QByteArray(FramedSvg)).render(&p);
            p.end();
            QVERIFY(sameImage(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied), direct));
        }
    }

    void themeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("theme");
        QTest::newRow("bare name") << "utilities-terminal" << true;
        QTest::newRow("dotted id") << "org.example.Viewer" << true;
        QTest::newRow("absolute path") << "/usr/share/pixmaps/a" << false;
        QTest::newRow("picture file") << "Face.BMP" << false;
        QTest::newRow("png file") << "face.png" << false;
        QTest::newRow("empty") << "" << false;
    }
    void themeNames() {
        QFETCH(QString, name);
        QFETCH(bool, theme);
        QCOMPARE(Picture::isThemeName(name), theme);
    }

    // A name the theme lacks fails as an unreadable file does.
    void unknownThemeNameFails() {
        testsupport::TempDir dir;
        installTheme(dir);
        QVERIFY_THROWS_EXCEPTION(AppError, Picture::load(QStringLiteral("tabdeck-missing")));
    }

    // A later picture or a clear replaces one still waiting to be rendered.
    void replacedBeforeRendering_data() {
        QTest::addColumn<QString>("waiting");
        QTest::newRow("jpeg") << graphicsFixture("baseline.jpg");
        QTest::newRow("metafile") << metafileFixture("shapes.emf");
    }
    void replacedBeforeRendering() {
        QFETCH(QString, waiting);
        ButtonImage img;
        img.resize(34, 34);
        img.setPicture(Picture::loadDeferred(waiting));
        img.setPicture(redBitmap());
        QVERIFY(sameImage(img.image(), ButtonImage::renderCentred(redBitmap(), QSize(34, 34),
                                                                  img.devicePixelRatioF())));
        img.setPicture(Picture::loadDeferred(waiting));
        img.clearPicture();
        QVERIFY(!img.hasPicture());
        QVERIFY(img.image().isNull());
        img.setPicture(Picture::loadDeferred(waiting));
        img.setPicture(Picture());
        QVERIFY(!img.hasPicture());
    }

    // Broken JPEG data found at the first paint leaves the button as a
    // picture that failed to load does: nothing shown.
    void undecodableJpegShowsNothing() {
        testsupport::TempDir dir;
        ButtonImage img;
        img.resize(34, 34);
        img.setPicture(Picture::loadDeferred(writeUndecodableJpeg(dir)));
        QVERIFY(!img.hasPicture());
        QVERIFY(img.image().isNull());
        // Painting it draws nothing and raises nothing.
        QImage canvas(34, 34, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        img.setPicture(Picture::loadDeferred(writeUndecodableJpeg(dir)));
        img.render(&canvas);
        QVERIFY(!img.hasPicture());
    }
};

TABDECK_TEST(ButtonImageTest)
#include "ButtonImageTest.moc"
