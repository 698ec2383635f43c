#include "../platform/IconToolsSupport.h"
#include "IconsSupport.h"
#include "TestRegistry.h"
#include "icons/window/TExIcons.h"
#include "platform/IconReader.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <array>

using testsupport::ScriptedPrompts;

namespace {

// The 16 standard colours, and the nearest of them by distance in RGB.
QRgb reduced(QRgb c) {
    static const std::array<QRgb, 16> colours = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    if (qAlpha(c) < 128)
        return 0;
    QRgb best = 0;
    int bestDistance = INT_MAX;
    for (QRgb p : colours) {
        const int dr = qRed(c) - qRed(p), dg = qGreen(c) - qGreen(p), db = qBlue(c) - qBlue(p);
        if (dr * dr + dg * dg + db * db < bestDistance) {
            bestDistance = dr * dr + dg * dg + db * db;
            best = p;
        }
    }
    return 0xFF000000 | best;
}

QImage reduction(const QImage& icon) {
    QImage out = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, reduced(out.pixel(x, y)));
    return out;
}

} // namespace

// What the extractor writes, read by icoutils: each file one 4-bit image of
// the icon's size whose pixels are the icon reduced to the 16 colours.
class IconPeerTest : public QObject {
    Q_OBJECT

    // Checks every .ICO of the folder against icon i of the source file.
    void checkFolder(const QString& folder, const QString& source, int expectedFiles) {
        const QStringList files =
            QDir(folder).entryList({QStringLiteral("*.ICO")}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), expectedFiles);
        QStringList args{QStringLiteral("-l")};
        for (const QString& f : files)
            args << folder + u'/' + f;
        const auto listing = icontools::run(QStringLiteral("icotool"), args);
        QVERIFY2(listing, "icotool -l failed");
        const QStringList lines = listing->split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), files.size()); // one image per file
        const QString extracted = folder + QStringLiteral("/png");
        QDir().mkpath(extracted);
        QVERIFY(icontools::run(QStringLiteral("icotool"),
                               QStringList{QStringLiteral("-x"), QStringLiteral("-o"), extracted} +
                                   args.mid(1)));
        for (int k = 0; k < files.size(); ++k) {
            const int index = files[k].section(u'_', -1).section(u'.', 0, 0).toInt();
            const QImage icon = iconreader::icon(source, index).value_or(QImage());
            QVERIFY(!icon.isNull());
            QVERIFY2(lines[k].contains(QStringLiteral("--width=%1 --height=%2 --bit-depth=4")
                                           .arg(icon.width())
                                           .arg(icon.height())),
                     qPrintable(lines[k]));
            const QString png = QStringLiteral("%1/%2_1_%3x%4x4.png")
                                    .arg(extracted, files[k].chopped(4))
                                    .arg(icon.width())
                                    .arg(icon.height());
            const QImage read = QImage(png).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!read.isNull(), qPrintable(png));
            QCOMPARE(icontools::pixelDifference(read, reduction(icon)), QString());
        }
    }

private slots:
    void saveAllAndSaveCurrent_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("files");
        QTest::newRow("200 groups") << "big.dll" << 200;
        // Every image depth the fixtures hold; the last group has no image.
        QTest::newRow("PE32") << "pe32.exe" << 7;
        QTest::newRow("PE32+") << "pe64.dll" << 7;
    }
    void saveAllAndSaveCurrent() {
        QFETCH(QString, file);
        QFETCH(int, files);
        iconstest::Context c;
        TExIcons w(c.app);
        const QString source = iconstest::fixture(file);
        c.prompts.expectFile(source);
        w.findChild<QAbstractButton*>(QStringLiteral("OpenBtn"))->click();
        const QString out = c.dir.file(QStringLiteral("out"));
        QDir().mkpath(out);
        w.openFolder(out);
        c.prompts.expectBox().expectBox(ScriptedPrompts::Yes);
        w.UseSelectedFolderBtnClick();
        w.SaveAllBtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(!w.saveAll().saving(), 20000);
        checkFolder(out, source, files);

        // Save Current writes the same format: icon 1 under another name.
        w.IncreaseBtnClick();
        const QString single = c.dir.file(QStringLiteral("single"));
        QDir().mkpath(single);
        c.prompts.expectFile(single + QStringLiteral("/copy_01.ICO")).expectBox();
        w.SaveCurrentBtnClick();
        checkFolder(single, source, 1);
        QCOMPARE(c.prompts.unexpectedCount(), 0);
    }
};

TABDECK_TEST(IconPeerTest)
#include "IconPeerTest.moc"
