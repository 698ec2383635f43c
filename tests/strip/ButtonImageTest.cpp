#include "strip/window/ButtonImage.h"
#include "BrokenJpeg.h"
#include "TempDir.h"
#include "TestRegistry.h"

#include <QPainter>
#include <QTest>

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
