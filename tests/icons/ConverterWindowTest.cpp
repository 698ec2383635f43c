#include "IconsSupport.h"
#include "TestRegistry.h"
#include "graphics/Picture.h"
#include "icons/window/TCVert1.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QToolButton>

using testsupport::ScriptedPrompts;

namespace {

// A pixel of the icon laid over the background, worked out per channel.
QRgb over(QRgb icon, QColor background) {
    const int a = qAlpha(icon);
    auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(icon), background.red()), mix(qGreen(icon), background.green()),
                mix(qBlue(icon), background.blue()));
}

// Each channel within tolerance of the icon laid over the background.
QString differenceFromIcon(const QImage& bitmap, const QImage& icon, QColor background,
                           int tolerance = 1) {
    if (bitmap.size() != QSize(32, 32) || icon.size() != QSize(32, 32))
        return QStringLiteral("sizes");
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb want = over(icon.pixel(x, y), background);
            const QRgb got = bitmap.pixel(x, y);
            if (qAbs(qRed(want) - qRed(got)) > tolerance ||
                qAbs(qGreen(want) - qGreen(got)) > tolerance ||
                qAbs(qBlue(want) - qBlue(got)) > tolerance)
                return QStringLiteral("pixel %1,%2: %3 vs %4")
                    .arg(x)
                    .arg(y)
                    .arg(got, 8, 16)
                    .arg(want, 8, 16);
        }
    return QString();
}

QString imageMagick() {
    // The real one; a stand-in earlier on the path may not read bitmaps.
    return QFile::exists(QStringLiteral("/usr/bin/convert")) ? QStringLiteral("/usr/bin/convert")
                                                             : QStringLiteral("convert");
}

} // namespace

// The converter window offscreen: the order rules of its buttons, the
// bitmap it makes and the file ImageMagick reads back.
class ConverterWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<iconstest::Context> c_;
    std::unique_ptr<TCVert1> w_;

    void click(const char* name) {
        w_->findChild<QToolButton*>(QString::fromLatin1(name))->click();
    }
    void item(const char* name) { w_->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
    void open(const QString& path) {
        c_->prompts.expectFile(path);
        click("OpenIcon1");
    }
    QString icon() const { return iconstest::fixture(QStringLiteral("alpha.ico")); }

private slots:
    void init() {
        c_ = std::make_unique<iconstest::Context>();
        w_ = std::make_unique<TCVert1>(c_->app);
        w_->show();
    }
    void cleanup() {
        QVERIFY(c_->scriptAnswered());
        w_.reset();
        c_.reset();
    }

    // Each step out of order shows its notice, or nothing, and nothing else.
    void stepsOutOfOrder_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("notice");
        QTest::newRow("convert before open")
            << "ConvertIt"
            << "First you have to open the icon you want to convert.";
        QTest::newRow("save before convert") << "SavePicture"
                                             << "First you have to convert the icon to a bitmap.";
        QTest::newRow("properties before save")
            << "Properties2"
            << "Bitmap file path:\r\rBitmap dementions:\r32 x 32";
        QTest::newRow("copy before convert") << "CopytoClipboard1"
                                             << "";
    }
    void stepsOutOfOrder() {
        QFETCH(QString, control);
        QFETCH(QString, notice);
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        if (!notice.isEmpty())
            c_->prompts.expectBox();
        if (auto* b = w_->findChild<QToolButton*>(control))
            b->click();
        else
            w_->findChild<QAction*>(control)->trigger();
        QCOMPARE(c_->prompts.shown().size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty())
            QCOMPARE(c_->prompts.lastBox().text, notice);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QVERIFY(!w_->converter().converted());
    }

    // A file that is no icon: the picture error, and the converter keeps
    // what it had.
    void unreadablePicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QByteArray truncated;
        {
            QFile f(icon());
            QVERIFY(f.open(QIODevice::ReadOnly));
            truncated = f.read(300);
        }
        QTest::newRow("truncated icon") << "cut.ico" << truncated << "Icon image is not valid.";
        QTest::newRow("no picture format")
            << "notes.txt" << QByteArray("text") << "Unknown picture file extension (.txt)";
    }
    void unreadablePicture() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        open(icon());
        c_->prompts.expectFile(c_->dir.write(name, bytes)).expectBox();
        click("OpenIcon1");
        QTEST(c_->prompts.lastBox().text, "error");
        QCOMPARE(c_->prompts.lastBox().icon, Prompts::Icon::Error);
        QCOMPARE(w_->converter().openedName(), QStringLiteral("alpha.ico"));
        QVERIFY(!w_->converter().icon().isEmpty());
    }

    // The whole icon over the program colour, from (0, 0); the clipboard is
    // left alone; a cancelled save keeps the bitmap; a new colour shows in
    // the next conversion.
    void conversion() {
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        const QImage source = Picture::load(icon()).image();
        c_->controlFile->write(QStringLiteral("PROCOLOR"), QStringLiteral("Color"),
                               QStringLiteral("$00FF8000"));
        w_->hide();
        w_->show();
        open(icon());
        QCOMPARE(w_->converter().openedName(), QStringLiteral("alpha.ico"));
        c_->prompts.expectFile(std::nullopt);
        click("ConvertIt");
        QCOMPARE(c_->prompts.shown().last().fileDialog.title, QStringLiteral("Save Bitmap As..."));
        QCOMPARE(differenceFromIcon(w_->converter().bitmap(), source, QColor(0, 0x80, 0xFF)),
                 QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));

        c_->controlFile->write(QStringLiteral("PROCOLOR"), QStringLiteral("Color"),
                               QStringLiteral("clRed"));
        w_->hide();
        w_->show();
        open(icon());
        c_->prompts.expectFile(std::nullopt);
        click("ConvertIt");
        QCOMPARE(differenceFromIcon(w_->converter().bitmap(), source, Qt::red), QString());

        c_->prompts.expectBox();
        item("CopytoClipboard1");
        QCOMPARE(c_->prompts.lastBox().text,
                 QStringLiteral("The picture was copied to the clipboard."));
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 w_->converter().bitmap().convertToFormat(QImage::Format_RGB32));
    }

    // The saved bitmap as ImageMagick reads it: the pixels we show.
    void savedBitmapReadByImageMagick() {
        open(icon());
        const QString bmp = c_->dir.file(QStringLiteral("out.bmp"));
        c_->prompts.expectFile(bmp);
        click("ConvertIt");
        const auto& dialog = c_->prompts.shown().last().fileDialog;
        QCOMPARE(dialog.file, QStringLiteral("Untitled.bmp"));
        QVERIFY(dialog.confirmOverwrite);
        QCOMPARE(w_->converter().savedName(), QStringLiteral("out.bmp"));
        const QString png = c_->dir.file(QStringLiteral("out.png"));
        QProcess p;
        p.start(imageMagick(), {bmp, png});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QImage read(png);
        QCOMPARE(read.size(), QSize(32, 32));
        QCOMPARE(differenceFromIcon(read.convertToFormat(QImage::Format_ARGB32),
                                    w_->converter().bitmap().convertToFormat(QImage::Format_ARGB32),
                                    Qt::black, 0),
                 QString());

        c_->prompts.expectBox();
        item("Properties2");
        QCOMPARE(c_->prompts.lastBox().text, QStringLiteral("Bitmap file path:\r") + bmp +
                                                 QStringLiteral("\rBitmap dementions:\r32 x 32"));
        // Converting again without a new Open: the icon area is empty now.
        c_->prompts.expectFile(std::nullopt);
        click("ConvertIt");
        QImage plain(32, 32, QImage::Format_RGB32);
        plain.fill(w_->converter().bitmap().pixel(0, 0));
        QCOMPARE(w_->converter().bitmap().convertToFormat(QImage::Format_RGB32), plain);
        // The tool bar's Close turns both flags off.
        click("Close1");
        QVERIFY(!w_->converter().iconOpen() && !w_->converter().converted());
    }
};

TABDECK_TEST(ConverterWindowTest)
#include "ConverterWindowTest.moc"
