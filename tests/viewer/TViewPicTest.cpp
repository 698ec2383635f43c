#include "BrokenJpeg.h"
#include "TestRegistry.h"
#include "ViewerFixture.h"
#include "core/ColorText.h"
#include "ui/SystemColors.h"
#include "viewer/window/ViewerPrinter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QSignalSpy>
#include <QStatusBar>
#include <functional>

using testsupport::ScriptedPrompts;
using viewertest::Fixture;

namespace {

const char* const TrueItems[] = {"AutoTrue", "CenterTrue",  "IncDisTrue",
                                 "ProTrue",  "StretchTrue", "TranTrue"};
const char* const FalseItems[] = {"AutoFalse", "CenterFalse",  "IncDisFalse",
                                  "ProFalse",  "StretchFalse", "TranFalse"};
const char* const Keys[] = {"Auto", "Center", "IncDis", "Proport", "Stretch", "Trans"};

QListWidget* list(TViewPic& w) {
    return w.findChild<QListWidget*>(QStringLiteral("ListBox1"));
}

// A real press on row `row` of the recent list with a button.
void pressRow(TViewPic& w, int row, Qt::MouseButton button, bool doubleClick = false) {
    QListWidget* l = list(w);
    const QPoint at = l->visualItemRect(l->item(row)).center();
    QTest::mousePress(l->viewport(), button, {}, at);
    QTest::mouseRelease(l->viewport(), button, {}, at);
    if (doubleClick)
        QTest::mouseDClick(l->viewport(), button, {}, at);
    QTRY_VERIFY_WITH_TIMEOUT(!w.viewer().busy(), 10000);
}

// Calls back on every paint of the widget it filters.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            onPaint_();
        return false;
    }

private:
    std::function<void()> onPaint_;
};

} // namespace

class TViewPicTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> f_;

private slots:
    void init() { f_ = std::make_unique<Fixture>(); }
    void cleanup() {
        QCOMPARE(f_->prompts.unexpectedCount(), 0);
        QVERIFY(f_->prompts.allUsed());
        f_.reset();
        QGuiApplication::clipboard()->clear();
    }

    // A fresh control file: every option off and both colours the strip's.
    void freshStart() {
        f_->file->write("PROCOLOR", "Color", "clRed");
        TViewPic& w = f_->make();
        for (int i = 0; i < 6; ++i) {
            QVERIFY2(f_->enabled(TrueItems[i]), TrueItems[i]);
            QVERIFY2(!f_->enabled(FalseItems[i]), FalseItems[i]);
        }
        QCOMPARE(f_->viewer().color(ViewColor::Program), 0x0000FFu);
        QCOMPARE(systemcolors::backgroundValue(w.findChild<QWidget*>("Panel1")), 0x0000FFu);
        QCOMPARE(systemcolors::backgroundValue(w.findChild<QWidget*>("Panel2")), 0x0000FFu);
        QVERIFY(w.acceptDrops());
        QCOMPARE(list(w)->count(), 0);
    }

    // An unreadable colour ends the creation steps where it is read.
    void colorFailureAtCreation_data() {
        QTest::addColumn<QString>("viewPic");
        QTest::addColumn<QString>("picColor");
        QTest::addColumn<QString>("bad");
        QTest::newRow("program colour") << "bogus"
                                        << "clBlue"
                                        << "bogus";
        QTest::newRow("picture colour") << "clBlue"
                                        << "$12G"
                                        << "$12G";
    }
    void colorFailureAtCreation() {
        QFETCH(QString, viewPic);
        QFETCH(QString, picColor);
        QFETCH(QString, bad);
        f_->file->write("COLOR", "ViewPic", viewPic);
        f_->file->write("COLOR", "PicColor", picColor);
        f_->file->write("PICTURE", "Stretch", "True");
        f_->prompts.expectBox();
        TViewPic& w = f_->make();
        QCOMPARE(f_->prompts.lastBox().text,
                 QStringLiteral("'%1' is not a valid integer value.").arg(bad));
        QCOMPARE(f_->prompts.lastBox().icon, Prompts::Icon::Error);
        QCOMPARE(f_->viewer().color(ViewColor::Program),
                 viewPic == bad ? colortext::BtnFace : 0xFF0000u);
        QCOMPARE(f_->viewer().color(ViewColor::Picture), colortext::BtnFace);
        QVERIFY(!f_->viewer().options().stretch);
        for (int i = 0; i < 6; ++i)
            QVERIFY(f_->enabled(TrueItems[i]) && f_->enabled(FalseItems[i]));
        QVERIFY(!w.acceptDrops());
    }

    void unreadableListFile() {
        QDir(f_->dir.path()).mkdir("PicFile.lst");
        f_->file->write("PICTURE", "Center", "True");
        f_->prompts.expectBox();
        TViewPic& w = f_->make();
        QCOMPARE(f_->prompts.lastBox().text,
                 QStringLiteral("Cannot open file %1.").arg(f_->listFile()));
        QVERIFY(f_->viewer().options().center && w.acceptDrops());
    }

    // Each option's items write its key, and the value is read back at the
    // next start; any non-empty value is on.
    void optionsAcrossRestart_data() {
        QTest::addColumn<int>("option");
        for (int i = 0; i < 6; ++i)
            QTest::newRow(Keys[i]) << i;
    }
    void optionsAcrossRestart() {
        QFETCH(int, option);
        f_->make();
        f_->trigger(TrueItems[option]);
        QCOMPARE(f_->file->read("PICTURE", Keys[option], 10).text, QStringLiteral("True"));
        QVERIFY(!f_->enabled(TrueItems[option]) && f_->enabled(FalseItems[option]));
        f_->make();
        QVERIFY(f_->viewer().options().get(ViewOption(option)));
        QVERIFY(!f_->enabled(TrueItems[option]) && f_->enabled(FalseItems[option]));
        f_->trigger(FalseItems[option]);
        QCOMPARE(f_->file->read("PICTURE", Keys[option], 10).length, 0);
        QFile ini(f_->file->path()); // the key stays, empty
        QVERIFY(ini.open(QIODevice::ReadOnly) &&
                ini.readAll().contains(QByteArray(Keys[option]) + "=\r\n"));
        f_->file->write("PICTURE", Keys[option], "False"); // hand-edited
        f_->make();
        QVERIFY(f_->viewer().options().get(ViewOption(option)));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f_->viewer().options().get(ViewOption(i)), i == option);
    }

    // The same picture opened twice stands twice in the list and its file,
    // which ends with a line break; the list is back after a restart.
    void openTwiceAndRestart() {
        f_->make();
        const QString path = f_->bitmap("a.bmp", viewertest::quadrants(40, 20));
        f_->openFile(path);
        f_->openFile(path);
        QCOMPARE(f_->prompts.shown()[0].fileDialog.title, QStringLiteral("Open A Picture"));
        QCOMPARE(f_->prompts.shown()[0].fileDialog.filter.section(";;", 0, 0),
                 QStringLiteral("All (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf)"));
        QTRY_COMPARE_WITH_TIMEOUT(f_->listBytes(), (path + "\r\n" + path + "\r\n").toUtf8(), 5000);
        QCOMPARE(f_->viewer().currentFile(), path);
        QCOMPARE(f_->window->statusBar1()->currentMessage(), path);
        QCOMPARE(f_->viewer().picture().size(), QSize(40, 20));
        TViewPic& again = f_->make();
        QCOMPARE(list(again)->count(), 2);
        QCOMPARE(list(again)->item(1)->text(), path);
        QCOMPARE(list(again)->visualItemRect(list(again)->item(1)).height(), 18);
    }

    // An opened picture is drawn before its list entry is written, and the
    // entry reaches the file even when the window goes at once; a list file
    // that cannot be replaced is reported after the picture is on show.
    void listWrittenAfterDrawing_data() {
        QTest::addColumn<QString>("ending"); // "events", "close" or "unwritable"
        QTest::newRow("event loop") << "events";
        QTest::newRow("window closed at once") << "close";
        QTest::newRow("list file unwritable") << "unwritable";
    }
    void listWrittenAfterDrawing() {
        QFETCH(QString, ending);
        TViewPic& w = f_->make();
        const QString path = f_->bitmap("a.bmp", viewertest::quadrants(40, 20));
        QWidget* area = w.findChild<QWidget*>(QStringLiteral("ThePic"));
        QByteArray atFirstPaint = "<not drawn>";
        PaintWatch watch([&] {
            if (atFirstPaint == "<not drawn>")
                atFirstPaint = f_->listBytes();
        });
        area->installEventFilter(&watch);
        if (ending == "unwritable") {
            QVERIFY(QDir(f_->dir.path()).mkdir("PicFile.lst"));
            f_->prompts.expectFile(path).expectBox();
            f_->trigger("Open1");
        } else {
            f_->openFile(path);
        }
        QCOMPARE(f_->viewer().recentEntries(), QStringList{path});
        if (ending == "close") {
            f_->window.reset();
            QCOMPARE(f_->listBytes(), (path + "\r\n").toUtf8());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(atFirstPaint != "<not drawn>", 5000);
        QCOMPARE(atFirstPaint, QByteArray("<none>"));
        if (ending == "unwritable") {
            QTRY_COMPARE_WITH_TIMEOUT(f_->prompts.shown().size(), 2, 5000);
            QCOMPARE(f_->prompts.lastBox().text,
                     QStringLiteral("Cannot create file %1.").arg(f_->listFile()));
            QCOMPARE(f_->viewer().picture().size(), QSize(40, 20));
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(f_->listBytes(), (path + "\r\n").toUtf8(), 5000);
    }

    // A folder in place of the list file: every change of the list (an
    // open, a removal) says once that the file cannot be created; the list
    // shown goes on with the change.
    void unwritableListEachChange() {
        QVERIFY(QDir(f_->dir.path()).mkdir("PicFile.lst"));
        f_->prompts.expectBox(); // at the start: "Cannot open file"
        TViewPic& w = f_->make();
        const QString cannot = QStringLiteral("Cannot create file %1.").arg(f_->listFile());
        const auto said = [&] {
            int n = 0;
            for (const Prompts::Box& b : f_->prompts.boxes())
                n += b.text == cannot ? 1 : 0;
            return n;
        };
        const QString a = f_->bitmap("a.bmp", viewertest::quadrants(4, 4));
        for (int change = 1; change <= 2; ++change) {
            f_->prompts.expectFile(a).expectBox();
            f_->trigger("Open1");
            QTRY_COMPARE_WITH_TIMEOUT(said(), change, 5000);
            QTest::qWait(100); // time for a second box, which must not come
        }
        QCOMPARE(f_->viewer().recentEntries(), (QStringList{a, a}));
        f_->trigger("FileList1");
        pressRow(w, 0, Qt::LeftButton);
        f_->prompts.expectBox(Prompts::Yes).expectBox();
        pressRow(w, 0, Qt::RightButton);
        QCOMPARE(said(), 3);
        QCOMPARE(f_->viewer().recentEntries(), QStringList{a});
        QVERIFY(QFileInfo(f_->listFile()).isDir());
    }

    // A picture that does not load leaves picture, current file and list.
    void openFailureChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown extension")
            << "x.gif" << QByteArray("gif") << "Unknown picture file extension (.gif)";
        QTest::newRow("missing") << "" << QByteArray() << "Cannot open file %1";
        QTest::newRow("broken bitmap")
            << "x.bmp" << QByteArray("BM\x10\0\0\0", 6) << "Bitmap image is not valid.";
        QTest::newRow("broken jpeg") << "x.jpg" << testsupport::undecodableJpeg() << "JPEG error";
    }
    void openFailureChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        f_->make();
        const QString good = f_->bitmap("good.bmp", viewertest::quadrants(8, 8));
        f_->openFile(good);
        // The good picture's entry is written on a worker: wait for it.
        const QByteArray listBefore = (good + "\r\n").toUtf8();
        QTRY_COMPARE_WITH_TIMEOUT(f_->listBytes(), listBefore, 5000);
        const QString bad = name.isEmpty() ? f_->dir.file("gone.bmp") : f_->dir.write(name, bytes);
        f_->prompts.expectFile(bad).expectBox();
        f_->trigger("Open1");
        const QString expected = error.contains(u'%') ? error.arg(bad) : error;
        QVERIFY2(f_->prompts.lastBox().text.startsWith(expected),
                 qPrintable(f_->prompts.lastBox().text));
        QCOMPARE(f_->viewer().currentFile(), good);
        QCOMPARE(f_->viewer().picture().size(), QSize(8, 8));
        QCOMPARE(f_->listBytes(), listBefore);
        QCOMPARE(list(*f_->window)->count(), 1);
    }

    // Removal takes the row selected by an earlier left click, not the one
    // under the right press; without a selection only the notice shows.
    void removeEntry_data() {
        QTest::addColumn<int>("selected"); // -1: none
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("none selected") << -1 << 0 << QStringList{"0", "1", "2"};
        QTest::newRow("yes") << 1 << int(Prompts::Yes) << QStringList{"0", "2"};
        QTest::newRow("no") << 1 << int(Prompts::No) << QStringList{"0", "1", "2"};
    }
    void removeEntry() {
        QFETCH(int, selected);
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        f_->dir.write("PicFile.lst", "0\r\n1\r\n2\r\n");
        TViewPic& w = f_->make();
        f_->trigger("FileList1");
        if (selected >= 0)
            pressRow(w, selected, Qt::LeftButton);
        f_->prompts.expectBox(selected < 0 ? Prompts::Ok : Prompts::Button(answer));
        pressRow(w, 2, Qt::RightButton);
        QCOMPARE(f_->prompts.lastBox().text,
                 selected < 0 ? QStringLiteral("There is no item in the list selected to Remove!")
                              : QStringLiteral("Are you sure you want to remove the item?"));
        QCOMPARE(f_->viewer().recentEntries(), left);
        QCOMPARE(f_->listBytes(), (left.join("\r\n") + "\r\n").toUtf8());
        QCOMPARE(list(w)->count(), left.size());
    }

    void doubleClickEntry() {
        const QString path = f_->bitmap("p.bmp", viewertest::quadrants(10, 10));
        f_->dir.write("PicFile.lst", (f_->dir.file("gone.bmp") + "\r\n" + path + "\r\n").toUtf8());
        TViewPic& w = f_->make();
        QWidget* panel = w.findChild<QWidget*>("Panel2");
        f_->trigger("FileList1");
        QVERIFY(panel->isVisible());
        f_->prompts.expectBox(); // a missing file: the panel stays
        pressRow(w, 0, Qt::LeftButton, true);
        QVERIFY2(f_->prompts.lastBox().text.startsWith("Cannot open file"),
                 qPrintable(f_->prompts.lastBox().text));
        QVERIFY(panel->isVisible());
        pressRow(w, 1, Qt::LeftButton, true);
        QCOMPARE(f_->viewer().currentFile(), path);
        QCOMPARE(f_->viewer().picture().size(), QSize(10, 10));
        QVERIFY(!panel->isVisible());
        QCOMPARE(w.statusBar1()->currentMessage(), QString()); // unchanged
        QCOMPARE(f_->viewer().recentEntries().size(), 2);
    }

    // Save As: nothing on show writes nothing; after a paste the dialog
    // proposes the pasted name and asks before replacing; a JPEG is written
    // as the bytes read, whatever the new name.
    void saveAs() {
        f_->make();
        f_->prompts.expectBox();
        f_->trigger("SaveAs1");
        QCOMPARE(f_->prompts.lastBox().text, QStringLiteral("There is no picture to save."));
        QCOMPARE(f_->listBytes(), QByteArray("<none>"));

        auto* data = new QMimeData;
        data->setImageData(viewertest::quadrants(12, 6));
        QGuiApplication::clipboard()->setMimeData(data);
        f_->trigger("Paste1");
        QCOMPARE(f_->viewer().currentFile(), PictureViewer::pastedName());
        QCOMPARE(f_->window->statusBar1()->currentMessage(), PictureViewer::pastedName());
        const QString out = f_->dir.file("pasted.jpg");
        f_->prompts.expectFile(out).expectBox();
        f_->trigger("SaveAs1");
        const Prompts::FileDialog& d = f_->prompts.shown()[1].fileDialog;
        QCOMPARE(d.title, QStringLiteral("Save Picture As..."));
        QCOMPARE(d.file, PictureViewer::pastedName());
        QVERIFY(d.confirmOverwrite);
        QCOMPARE(f_->prompts.lastBox().text, QStringLiteral("The Picture was saved as:\r ") + out);
        QFile saved(out);
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.read(2) == "BM");
        QCOMPARE(f_->viewer().currentFile(), out);
        QCOMPARE(f_->listBytes(), (out + "\r\n").toUtf8());

        const QByteArray jpeg = viewertest::jpegOf(viewertest::quadrants(32, 16));
        f_->openFile(f_->dir.write("photo.jpeg", jpeg));
        const QString copy = f_->dir.file("copy.bmp");
        f_->prompts.expectFile(copy).expectBox();
        f_->trigger("SaveAs1");
        QFile c(copy);
        QVERIFY(c.open(QIODevice::ReadOnly));
        QCOMPARE(c.readAll(), jpeg);
    }

    void clipboardFailures() {
        f_->make();
        f_->prompts.expectBox();
        QGuiApplication::clipboard()->clear();
        f_->trigger("Paste1");
        QCOMPARE(f_->prompts.lastBox().text, QStringLiteral("Can only paste *.bmp picture files!"));
        const QString icon = viewertest::data("graphics/multi.ico");
        f_->openFile(icon);
        for (const char* item : {"Copy1", "Cut1"}) {
            f_->prompts.expectBox();
            f_->trigger(item);
            QCOMPARE(f_->prompts.lastBox().text,
                     QStringLiteral("Clipboard does not support Icons."));
        }
        QCOMPARE(f_->viewer().picture().kind(), Picture::Kind::Icon);
        QCOMPARE(f_->viewer().currentFile(), icon);
        f_->prompts.expectBox();
        f_->trigger("Clear1");
        QCOMPARE(f_->prompts.lastBox().text, QStringLiteral("The clipboard was cleared!"));
    }

    // A failed Print opens no job, so the next Print works and Abort finds
    // nothing to abort.
    void printMends() {
        f_->make();
        f_->prompts.expectBox();
        f_->trigger("Abort1");
        QCOMPARE(f_->prompts.lastBox().text,
                 QStringLiteral("Printer was Not Printing, so Printing was NOT aborted."));
        QPrinter& printer = f_->window->printer().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(f_->dir.file("out.pdf"));
        f_->prompts.expectPrint(true).expectBox();
        f_->trigger("Print1");
        QCOMPARE(f_->prompts.lastBox().text,
                 QStringLiteral("Cannot assign a Picture to a Bitmap."));
        QVERIFY(!QFile::exists(f_->dir.file("out.pdf")));
        QVERIFY(!f_->window->printer().isPrinting());
        f_->openFile(f_->bitmap("a.bmp", viewertest::quadrants(4, 4)));
        f_->prompts.expectPrint(false);
        f_->trigger("Print1");
        QVERIFY(!QFile::exists(f_->dir.file("out.pdf")));
        f_->prompts.expectPrint(true);
        f_->trigger("Print1");
        QVERIFY(QFileInfo(f_->dir.file("out.pdf")).size() > 0);
        f_->prompts.expectBox();
        f_->trigger("Abort1");
        QVERIFY(f_->prompts.lastBox().text.startsWith(QStringLiteral("Printer was Not Printing")));
    }

    // What ThePic draws: Center places the picture where placement says, and
    // Transparent lets the picture colour through a bitmap's key colour.
    void drawnPicture() {
        f_->file->write("COLOR", "PicColor", "clBlack");
        f_->make();
        QImage image = viewertest::quadrants(40, 20);
        image.setPixel(0, 19, 0xFFFFFFFFu); // the key colour: bottom-left
        image.setPixel(1, 1, 0xFFFFFFFFu);
        f_->openFile(f_->bitmap("k.bmp", image));
        f_->trigger("CenterTrue");
        f_->trigger("TranTrue");
        QWidget* pic = f_->window->findChild<QWidget*>("ThePic");
        const QImage shot = f_->window->findChild<QWidget*>("Panel1")->grab().toImage();
        const QPoint at((pic->width() - 40) / 2, (pic->height() - 20) / 2);
        QCOMPARE(f_->viewer().placement(), QRect(at, QSize(40, 20)));
        QCOMPARE(shot.pixel(at + QPoint(5, 5)), 0xFFFF0000u);
        QCOMPARE(shot.pixel(at + QPoint(35, 15)), 0xFFFFFF00u);
        QCOMPARE(shot.pixel(at + QPoint(1, 1)), 0xFF000000u); // keyed out
        QCOMPARE(shot.pixel(at - QPoint(2, 2)), 0xFF000000u);
    }

    // A large JPEG shown smaller is decoded at a DCT scale, and IncDisplay
    // draws every scan of a progressive file as it arrives.
    void scaledAndIncrementalJpeg() {
        f_->make();
        f_->trigger("ProTrue");
        f_->trigger("IncDisTrue");
        f_->window->resize(622, 443);
        const QSize area = f_->window->findChild<QWidget*>("ThePic")->size();
        const QString path =
            f_->dir.write("big.jpg", viewertest::jpegOf(viewertest::quadrants(2400, 1800), true));
        QSignalSpy steps(&f_->viewer(), &PictureViewer::decodeStep);
        f_->openFile(path);
        QVERIFY2(steps.size() >= 3, qPrintable(QString::number(steps.size())));
        const QImage last = steps.last().at(0).value<QImage>();
        const QRect target = steps.last().at(1).toRect();
        QCOMPARE(target, f_->viewer().placement());
        QVERIFY(target.width() <= area.width() && target.height() <= area.height());
        QVERIFY2(last.width() < 2400 && last.width() >= target.width() &&
                     last.height() >= target.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(last.width()).arg(last.height())));
        // Shown at its own size, it is drawn at once from what is at hand
        // and decoded anew in the background: a paint never decodes.
        f_->trigger("ProFalse");
        f_->window->findChild<QWidget*>("ThePic")->repaint();
        QVERIFY(!f_->viewer().picture().sharp(QSize(2400, 1800)));
        QTRY_VERIFY_WITH_TIMEOUT(f_->viewer().picture().sharp(QSize(2400, 1800)), 10000);
    }
};

TABDECK_TEST(TViewPicTest)
#include "TViewPicTest.moc"
