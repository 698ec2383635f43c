#include "ui/PicturePreview.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "ui/QtPrompts.h"

#include <QFileDialog>
#include <QTest>

// The picture chooser's preview pane: every format the program reads is
// drawn, and what it cannot read leaves the pane empty without a box.
class PicturePreviewTest : public QObject {
    Q_OBJECT
private slots:
    void formats_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("shown");
        const QString data = QStringLiteral(TABDECK_TEST_DATA);
        QTest::newRow("bmp") << data + "/graphics/rgb24.bmp" << true;
        QTest::newRow("ico") << data + "/graphics/multi.ico" << true;
        QTest::newRow("jpg") << data + "/graphics/progressive.jpg" << true;
        QTest::newRow("emf") << data + "/metafile/house.emf" << true;
        QTest::newRow("wmf") << data + "/metafile/house.wmf" << true;
        QTest::newRow("folder") << data + "/graphics" << false;
        QTest::newRow("broken") << "BROKEN" << false;
        QTest::newRow("other type") << data + "/graphics/make-fixtures.sh" << false;
    }
    void formats() {
        QFETCH(QString, file);
        QFETCH(bool, shown);
        testsupport::TempDir dir;
        if (file == "BROKEN")
            file = dir.write("cut.bmp", "BM\x10\0\0\0");
        PicturePreview preview;
        preview.resize(160, 160);
        preview.showFile(file);
        QCOMPARE(!preview.picture().isEmpty(), shown);
        const QImage drawn = preview.grab().toImage();
        const QRgb background = drawn.pixel(0, 0);
        bool anyOther = false;
        for (int y = 0; y < drawn.height() && !anyOther; y += 2)
            for (int x = 0; x < drawn.width() && !anyOther; x += 2)
                anyOther = drawn.pixel(x, y) != background;
        QCOMPARE(anyOther, shown);
    }

    // The chooser itself: the pane sits in the dialog and follows the highlight.
    void chooserFollowsHighlight() {
        QFileDialog dialog(nullptr, QString(), QStringLiteral(TABDECK_TEST_DATA "/graphics"));
        QtPrompts::addPreview(dialog);
        auto* preview = dialog.findChild<PicturePreview*>();
        QVERIFY(preview);
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        emit dialog.currentChanged(QStringLiteral(TABDECK_TEST_DATA "/graphics/pal8.bmp"));
        QVERIFY(!preview->picture().isEmpty());
        emit dialog.currentChanged(QStringLiteral(TABDECK_TEST_DATA "/graphics"));
        QVERIFY(preview->picture().isEmpty());
    }
};

TABDECK_TEST(PicturePreviewTest)
#include "PicturePreviewTest.moc"
