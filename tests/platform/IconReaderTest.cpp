#include "platform/IconReader.h"
#include "IconToolsSupport.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "dib/ByteView.h"
#include "dib/IconImage.h"
#include "platform/ExeResources.h"

#include <QTest>

using icontools::fixture;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// icotool's image that the large-icon size should take: 32 x 32 with the
// most bits, else the nearest size.
const icontools::Extracted* expectedLarge(const QList<icontools::Extracted>& images) {
    const icontools::Extracted* best = nullptr;
    int bestDistance = 0;
    for (const auto& e : images) {
        const int d = std::abs(e.width - 32) + std::abs(e.height - 32);
        if (!best || d < bestDistance || (d == bestDistance && e.bits > best->bits)) {
            best = &e;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace

class IconReaderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!icontools::run(QStringLiteral("wrestool"), {QStringLiteral("--version")}) ||
            !icontools::run(QStringLiteral("icotool"), {QStringLiteral("--version")}))
            QFAIL("icoutils (wrestool, icotool) must be installed: make deps");
    }

    void countMatchesWrestool_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("PE32") << fixture("pe32.exe") << 8;
        QTest::newRow("PE32+") << fixture("pe64.dll") << 8;
        QTest::newRow("NE") << fixture("ne16.exe") << 2;
        QTest::newRow("many groups") << fixture("big.dll") << 184;
    }
    void countMatchesWrestool() {
        QFETCH(QString, file);
        QFETCH(int, atLeast);
        const QStringList names = icontools::groupNames(file);
        QVERIFY(names.size() >= atLeast);
        QCOMPARE(iconreader::iconCount(file), names.size());
        QVERIFY(!iconreader::icon(file, int(names.size())));
        QVERIFY(!iconreader::icon(file, -1));
    }

    void countOfOtherFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::newRow("ico") << fixture("mixed.ico") << 1;
        QTest::newRow("ico png only") << fixture("png.ico") << 1;
        QTest::newRow("rc source") << fixture("icons.rc") << 0;
        QTest::newRow("script") << fixture("make_fixtures.py") << 0;
        QTest::newRow("folder") << fixture("") << 0;
        QTest::newRow("missing") << fixture("no-such-file.exe") << 0;
        QTest::newRow("empty path") << QString() << 0;
        QTest::newRow("device") << QStringLiteral("/dev/zero") << 0;
    }
    void countOfOtherFiles() {
        QFETCH(QString, file);
        QFETCH(int, count);
        QCOMPARE(iconreader::iconCount(file), count);
        QCOMPARE(bool(iconreader::icon(file, 0)), count > 0);
    }

    // Icon n is group n of wrestool's listing, in the image icotool gives
    // for the large size; a group without its images gives none.
    void iconMatchesIcotool_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("PE32") << fixture("pe32.exe");
        QTest::newRow("PE32+") << fixture("pe64.dll");
        QTest::newRow("NE") << fixture("ne16.exe");
    }
    void iconMatchesIcotool() {
        QFETCH(QString, file);
        testsupport::TempDir tmp;
        const QStringList names = icontools::groupNames(file);
        int missing = 0;
        for (int n = 0; n < names.size(); ++n) {
            auto ours = iconreader::icon(file, n);
            auto ico = icontools::extractGroup(file, names[n], tmp.path());
            if (!ico) {
                QVERIFY2(!ours, qPrintable(names[n]));
                ++missing;
                continue;
            }
            const auto images = icontools::icoImages(*ico, tmp.path());
            const auto* expected = expectedLarge(images);
            QVERIFY2(expected, qPrintable(names[n]));
            QVERIFY2(ours, qPrintable(names[n]));
            const QString diff = icontools::pixelDifference(*ours, expected->image);
            QVERIFY2(diff.isEmpty(), qPrintable(names[n] + ": " + diff));
        }
        if (file.endsWith("pe32.exe") || file.endsWith("pe64.dll")) {
            QCOMPARE(names.first(), QStringLiteral("APPICON"));
            QCOMPARE(missing, 1);
        }
    }

    // Every image of every group, not only the one chosen: 1-, 4-, 8-, 24-
    // and 32-bpp bitmaps with their masks, and PNG.
    void everyImageDecodes_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("PE32") << fixture("pe32.exe");
        QTest::newRow("NE") << fixture("ne16.exe");
    }
    void everyImageDecodes() {
        QFETCH(QString, file);
        testsupport::TempDir tmp;
        const QByteArray bytes = readAll(file);
        auto res =
            ExeResources::read(ByteView(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                        std::uint64_t(bytes.size())));
        QVERIFY(res);
        const QStringList names = icontools::groupNames(file);
        QCOMPARE(res->groupCount(), names.size());
        QSet<int> depths;
        for (int n = 0; n < names.size(); ++n) {
            auto ico = icontools::extractGroup(file, names[n], tmp.path());
            if (!ico)
                continue;
            const auto images = icontools::icoImages(*ico, tmp.path());
            auto group = res->group(n);
            QVERIFY(group);
            QCOMPARE(int(*group->u16(4)), int(images.size()));
            for (const auto& e : images) {
                auto id = group->u16(6 + (e.index - 1) * 14 + 12);
                auto data = res->icon(*id);
                QVERIFY(data);
                auto shape = iconimage::describe(*data);
                QVERIFY(shape);
                QCOMPARE(shape->width, e.width);
                QCOMPARE(shape->bits, e.bits);
                const QImage ours = iconimage::decode(*data).image;
                const QString diff = icontools::pixelDifference(ours, e.image);
                QVERIFY2(diff.isEmpty(),
                         qPrintable(names[n] + "/" + QString::number(e.index) + ": " + diff));
                depths << e.bits;
            }
        }
        if (file.endsWith("pe32.exe"))
            QCOMPARE(depths, (QSet<int>{1, 4, 8, 24, 32}));
    }

    void icoFileMatchesIcotool_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("bits");
        QTest::newRow("mixed: 32x32x32 wins") << fixture("mixed.ico") << 32 << 32;
        QTest::newRow("png") << fixture("png.ico") << 32 << 32;
        QTest::newRow("nearest size") << fixture("truecolor.ico") << 24 << 24;
        QTest::newRow("1 bpp") << fixture("mono.ico") << 32 << 1;
    }
    void icoFileMatchesIcotool() {
        QFETCH(QString, file);
        QFETCH(int, width);
        QFETCH(int, bits);
        testsupport::TempDir tmp;
        const auto images = icontools::icoImages(file, tmp.path());
        const auto* expected = expectedLarge(images);
        QVERIFY(expected);
        QCOMPARE(expected->width, width);
        QCOMPARE(expected->bits, bits);
        auto ours = iconreader::icon(file, 0);
        QVERIFY(ours);
        QVERIFY2(icontools::pixelDifference(*ours, expected->image).isEmpty(),
                 qPrintable(icontools::pixelDifference(*ours, expected->image)));
        QVERIFY(!iconreader::icon(file, 1));
    }

    // Icons as common writers make them: the large image against the
    // writer's (or the imaging library's) own decoding, from a file and from
    // bytes alike.
    void wildIcons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("imaging library, no mask") << "wild-pil.ico"
                                                  << "wild-pil.ico-32.png";
        QTest::newRow("ImageMagick") << "wild-magick.ico"
                                     << "wild-magick.ico-1.png";
        QTest::newRow("PNG renamed") << "wild-favicon.ico"
                                     << "wild-favicon.ico.png";
        QTest::newRow("PNG of 194 x 313") << "wild-tall.ico"
                                          << "wild-tall.ico.png";
    }
    void wildIcons() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const QString file = QStringLiteral(TABDECK_TEST_DATA "/graphics/") + name;
        const QImage want(QStringLiteral(TABDECK_TEST_DATA "/graphics/") + expected);
        QVERIFY(!want.isNull());
        QCOMPARE(iconreader::iconCount(file), 1);
        const auto ours = iconreader::icon(file, 0);
        QVERIFY(ours);
        QVERIFY2(icontools::pixelDifference(*ours, want).isEmpty(),
                 qPrintable(icontools::pixelDifference(*ours, want)));
        const auto fromData = iconreader::iconInData(readAll(file), 0);
        QVERIFY(fromData);
        QCOMPARE(*fromData, *ours);
    }

    void dataAndFileAgree() {
        const QByteArray bytes = readAll(fixture("pe64.dll"));
        QCOMPARE(iconreader::iconCountInData(bytes), iconreader::iconCount(fixture("pe64.dll")));
        auto a = iconreader::iconInData(bytes, 0);
        auto b = iconreader::icon(fixture("pe64.dll"), 0);
        QVERIFY(a && b);
        QCOMPARE(*a, *b);
    }

    void desktopEntries_data() {
        QTest::addColumn<QString>("icon"); // "" = the committed fixture
        QTest::addColumn<QString>("expectedFrom");
        QTest::newRow("theme has none: generic icon") << QString() << QString();
        QTest::newRow("absolute png") << "png"
                                      << "png";
        QTest::newRow("absolute ico") << fixture("alpha.ico") << fixture("alpha.ico");
        QTest::newRow("absolute missing") << "/no/such/icon.png" << QString();
    }
    void desktopEntries() {
        QFETCH(QString, icon);
        QFETCH(QString, expectedFrom);
        testsupport::TempDir tmp;
        QString entry = fixture("app.desktop");
        QImage expected;
        if (icon == "png") {
            QImage png(32, 32, QImage::Format_ARGB32);
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    png.setPixel(x, y, qRgba(x * 8, y * 8, 100, x < 4 ? 0 : 255));
            icon = tmp.file("pic.png");
            QVERIFY(png.save(icon));
            expected = png;
        } else if (!expectedFrom.isEmpty()) {
            expected = *iconreader::icon(expectedFrom, 0);
        }
        if (!icon.isEmpty())
            entry = tmp.write("e.desktop", "[Desktop Entry]\nType=Application\nExec=true\nIcon=" +
                                               icon.toUtf8() + "\n");
        QCOMPARE(iconreader::iconCount(entry), 1);
        auto image = iconreader::icon(entry, 0);
        QVERIFY(image);
        QCOMPARE(image->size(), QSize(32, 32));
        if (!expected.isNull())
            QVERIFY2(icontools::pixelDifference(*image, expected).isEmpty(),
                     qPrintable(icontools::pixelDifference(*image, expected)));
        else
            QVERIFY(image->pixel(16, 16) != 0);
        QVERIFY(!iconreader::icon(entry, 1));
    }

    void desktopWithoutGroupHasNoIcon() {
        testsupport::TempDir tmp;
        const QString entry = tmp.write("bad.desktop", "Icon=x\n");
        QCOMPARE(iconreader::iconCount(entry), 0);
        QVERIFY(!iconreader::icon(entry, 0));
    }

    void largeIndex_data() {
        QTest::addColumn<QList<int>>("shapes"); // width, height, bits triples
        QTest::addColumn<int>("chosen");
        QTest::newRow("empty") << QList<int>{} << -1;
        QTest::newRow("exact beats more colours") << QList<int>{48, 48, 32, 32, 32, 4} << 1;
        QTest::newRow("most colours at 32") << QList<int>{32, 32, 4, 32, 32, 32, 32, 32, 8} << 1;
        QTest::newRow("first of equals") << QList<int>{32, 32, 8, 32, 32, 8} << 0;
        QTest::newRow("nearest") << QList<int>{16, 16, 32, 24, 24, 4, 64, 64, 32} << 1;
        QTest::newRow("zero width skipped") << QList<int>{0, 0, 32, 16, 16, 4} << 1;
    }
    void largeIndex() {
        QFETCH(QList<int>, shapes);
        QFETCH(int, chosen);
        std::vector<iconimage::Shape> list;
        for (int i = 0; i + 2 < shapes.size(); i += 3)
            list.push_back({shapes[i], shapes[i + 1], shapes[i + 2]});
        QCOMPARE(iconimage::largeIndex(list), chosen);
    }
};

TABDECK_TEST(IconReaderTest)
#include "IconReaderTest.moc"
