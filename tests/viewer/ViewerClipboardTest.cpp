#include "TestRegistry.h"
#include "ViewerFixture.h"
#include "graphics/PictureClipboard.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

using viewertest::Fixture;

// The clipboard with a second X client (xclip): what Copy offers is read
// back by it, and what it offers is pasted. Needs an X server: the
// end-to-end run starts this class under Xvfb with the xcb platform.
class ViewerClipboardTest : public QObject {
    Q_OBJECT

    // Runs xclip on the clipboard while this process keeps serving it.
    // *longestGap: the longest the UI thread was away from its event loop.
    static QByteArray xclip(const QStringList& args, qint64* longestGap = nullptr) {
        QProcess p;
        p.start(QStringLiteral("xclip"), QStringList{"-selection", "clipboard"} + args);
        if (!p.waitForStarted(5000))
            return "<xclip did not start>";
        // Measured from here: starting xclip is the test's own work.
        QElapsedTimer gap;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            if (longestGap)
                *longestGap = std::max(*longestGap, gap.restart());
        });
        gap.start();
        tick.start();
        for (int i = 0; i < 100 && p.state() != QProcess::NotRunning; ++i)
            QTest::qWait(100);
        if (p.state() != QProcess::NotRunning || p.exitCode() != 0)
            return "<xclip failed>";
        return p.readAllStandardOutput();
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (run by tests/e2e/viewer.sh)");
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            QFAIL("xclip is not installed (scripts/packages.txt)");
    }

    void copyReachesAnotherClient_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("own"); // a type carrying the file's own bytes
        QTest::newRow("bitmap") << "q.bmp" << QByteArray();
        QTest::newRow("jpeg") << "q.jpg" << QByteArray();
        QTest::newRow("enhanced metafile") << "house.emf" << QByteArray("image/x-emf");
        QTest::newRow("metafile") << "house.wmf" << QByteArray("image/x-wmf");
    }
    void copyReachesAnotherClient() {
        QFETCH(QString, name);
        QFETCH(QByteArray, own);
        Fixture f;
        f.make();
        QString path;
        const QImage q = viewertest::quadrants(30, 20);
        if (name.endsWith(".bmp"))
            path = f.bitmap(name, q);
        else if (name.endsWith(".jpg"))
            path = f.dir.write(name, viewertest::jpegOf(q));
        else
            path = viewertest::data("metafile/" + name);
        f.openFile(path);
        f.trigger("Copy1");

        const QByteArray targets = xclip({"-t", "TARGETS", "-o"});
        QVERIFY2(targets.contains("image/png") && targets.contains("image/bmp"),
                 targets.constData());
        QImage got;
        QVERIFY(got.loadFromData(xclip({"-t", "image/png", "-o"}), "PNG"));
        QCOMPARE(got.convertToFormat(QImage::Format_RGB32),
                 f.viewer().picture().image().convertToFormat(QImage::Format_RGB32));
        if (!own.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(xclip({"-t", QString::fromLatin1(own), "-o"}), file.readAll());
        }
        QGuiApplication::clipboard()->clear();
    }

    // A 12 MP photo copied: its PNG is made in the background, so a request
    // for it from this process is answered without encoding; another
    // program gets it, or another image format, without stalling the UI
    // thread (Qt's own answer wrote 16 MB pieces from it: 0.2 to 0.6 s).
    void largePhotoAnsweredAtOnce_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("png") << "image/png" << QByteArray("PNG");
        QTest::newRow("bmp, made when asked") << "image/bmp" << QByteArray("BMP");
    }
    void largePhotoAnsweredAtOnce() {
        QFETCH(QString, type);
        QFETCH(QByteArray, format);
        Fixture f;
        f.make();
        QImage photo(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x)
                line[x] = qRgb((x * 7 + y) & 0xFF, (x ^ y) & 0xFF, (x * y) >> 5 & 0xFF);
        }
        f.openFile(f.dir.write("photo.jpg", viewertest::jpegOf(photo)));
        f.trigger("Copy1");
        const auto* data = dynamic_cast<const pictureclipboard::PictureData*>(
            QGuiApplication::clipboard()->mimeData());
        QVERIFY(data);
        QTRY_VERIFY_WITH_TIMEOUT(data->ready(), 120000);
        // Asked in this process, the answer is at hand; encoding it here
        // took 9 to 12 s.
        QElapsedTimer asked;
        asked.start();
        const QByteArray png = QGuiApplication::clipboard()->mimeData()->data("image/png");
        QVERIFY2(asked.elapsed() <= 100, qPrintable(QString::number(asked.elapsed())));
        QVERIFY(png.startsWith("\x89PNG"));
        qint64 longestGap = 0;
        QImage got;
        QVERIFY(got.loadFromData(xclip({"-t", type, "-o"}, &longestGap), format.constData()));
        QCOMPARE(got.size(), QSize(4000, 3000));
        QCOMPARE(got.pixel(3999, 2999) & 0xFFFFFF,
                 f.viewer().picture().image().pixel(3999, 2999) & 0xFFFFFF);
        QVERIFY2(longestGap <= 100, qPrintable(QString::number(longestGap)));
        QGuiApplication::clipboard()->clear();
    }

    void pasteFromAnotherClient() {
        Fixture f;
        f.make();
        const QImage q = viewertest::quadrants(24, 10);
        const QString png = f.dir.file("offer.png");
        QVERIFY(q.save(png, "PNG"));
        // xclip stays in the background serving the picture until the
        // clipboard changes owner.
        QCOMPARE(xclip({"-t", "image/png", "-i", png}), QByteArray());
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::clipboard()->mimeData()->hasImage(), 10000);
        f.trigger("Paste1");
        QCOMPARE(f.viewer().currentFile(), PictureViewer::pastedName());
        QCOMPARE(f.viewer().picture().kind(), Picture::Kind::Bitmap);
        QCOMPARE(f.viewer().picture().image().convertToFormat(QImage::Format_RGB32), q);
        QGuiApplication::clipboard()->clear();
    }
};

TABDECK_TEST(ViewerClipboardTest)
#include "ViewerClipboardTest.moc"
