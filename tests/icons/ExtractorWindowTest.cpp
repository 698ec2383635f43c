#include "IconsSupport.h"
#include "TestRegistry.h"
#include "icons/window/TExIcons.h"
#include "platform/SystemInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QUrl>

using testsupport::ScriptedPrompts;

// The extractor window offscreen with scripted boxes: the paths a user takes
// through its buttons, the bar and the folder panel.
class ExtractorWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<iconstest::Context> c_;
    std::unique_ptr<TExIcons> w_;

    template <typename T> T* child(const char* name) const {
        T* found = w_->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    QString text(const char* name) const { return child<QLabel>(name)->text(); }
    QSlider* bar() const { return child<QSlider>("TrackBar1"); }
    void open(const QString& path) {
        c_->prompts.expectFile(path);
        click("OpenBtn");
    }
    QString iconFolder() const { return child<QLineEdit>("Edit2")->text(); }

private slots:
    void init() {
        c_ = std::make_unique<iconstest::Context>();
        w_ = std::make_unique<TExIcons>(c_->app);
        w_->show();
    }
    void cleanup() {
        QVERIFY(c_->scriptAnswered());
        w_.reset();
        c_.reset();
    }

    void showReloadsSystemLibrary() {
        open(iconstest::fixture(QStringLiteral("big.dll")));
        QCOMPARE(text("Label3"), QStringLiteral("199"));
        w_->hide();
        w_->show();
        QCOMPARE(child<QLineEdit>("Edit1")->text(),
                 systeminfo::systemDirectory() + QStringLiteral("/shell32.dll"));
    }

    void barButtonsAndNewFiles() {
        open(iconstest::fixture(QStringLiteral("big.dll")));
        bar()->setValue(199);
        click("IncreaseBtn");
        QCOMPARE(bar()->value(), 199);
        const QImage last = w_->currentIcon();
        click("DecreaseBtn");
        QCOMPARE(bar()->value(), 198);
        QCOMPARE(text("Label1"), QStringLiteral("198"));
        QVERIFY(!w_->currentIcon().isNull());
        QVERIFY(w_->currentIcon() != last);
        // Fewer icons: moved to the new last one.
        open(iconstest::fixture(QStringLiteral("pe32.exe")));
        QCOMPARE(bar()->maximum(), 7);
        QCOMPARE(bar()->value(), 7);
        QCOMPARE(text("Label1"), QStringLiteral("7"));
        // A file without icons keeps the range and shows none.
        open(iconstest::fixture(QStringLiteral("big.rc")));
        QCOMPARE(text("Label3"), QStringLiteral("-1"));
        QCOMPARE(bar()->maximum(), 7);
        QVERIFY(w_->currentIcon().isNull());
        // More icons: the position stays.
        open(iconstest::fixture(QStringLiteral("big.dll")));
        QCOMPARE(bar()->value(), 7);
        click("smRefreshBtn1");
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(text("Label1"), QStringLiteral("0"));
        // Cancel changes nothing.
        c_->prompts.expectFile(std::nullopt);
        click("OpenBtn");
        QCOMPARE(text("Label3"), QStringLiteral("199"));
    }

    void dropOpensFirstFileOnly() {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(iconstest::fixture(QStringLiteral("pe32.exe"))),
                      QUrl::fromLocalFile(iconstest::fixture(QStringLiteral("big.dll"))),
                      QUrl::fromLocalFile(iconstest::fixture(QStringLiteral("pe64.dll")))});
        QWidget* target = child<QLabel>("Label3");
        const QPoint at = target->mapTo(w_.get(), QPoint(2, 2));
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w_.get(), &drop);
        QCOMPARE(child<QLineEdit>("Edit1")->text(), iconstest::fixture(QStringLiteral("pe32.exe")));
        QCOMPARE(text("Label3"), QStringLiteral("7"));
    }

    // A PNG named .ico and larger than the icon format holds (as a group of
    // a real executable has one) is saved at 32 x 32 like any other icon.
    void saveCurrent_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("executable") << iconstest::fixture(QStringLiteral("pe32.exe"));
        QTest::newRow("PNG of 194 x 313 named .ico")
            << QStringLiteral(TABDECK_TEST_DATA "/graphics/wild-tall.ico");
    }
    void saveCurrent() {
        QFETCH(QString, file);
        open(file);
        const QString path = c_->dir.file(QStringLiteral("one.ico"));
        c_->prompts.expectFile(path).expectBox();
        click("SaveCurrentBtn");
        const auto& dialog = c_->prompts.shown().at(c_->prompts.shown().size() - 2).fileDialog;
        QCOMPARE(dialog.title, QStringLiteral("Save Icon As..."));
        QCOMPARE(dialog.file, QStringLiteral("Untitled.ico"));
        QVERIFY(dialog.confirmOverwrite);
        QCOMPARE(QFileInfo(path).size(), 766);
        QCOMPARE(c_->prompts.lastBox().text,
                 QStringLiteral("Icon File ") + path + QStringLiteral(" was saved."));
    }

    // The folder panel: an empty name, a new folder, then Save All into it.
    void folderPanelAndSaveAll() {
        open(iconstest::fixture(QStringLiteral("pe32.exe")));
        c_->prompts.expectBox();
        click("SaveAllBtn");
        QCOMPARE(
            c_->prompts.lastBox().text,
            QStringLiteral("First you have to create or select a folder to save the icons in!"));
        QCOMPARE(w_->frontPanel()->objectName(), QStringLiteral("Panel2"));
        QVERIFY(!w_->saveAll().saving());

        w_->openFolder(c_->dir.path());
        c_->prompts.expectBox();
        click("CreateNewFolderBtn");
        QCOMPARE(c_->prompts.lastBox().text,
                 QStringLiteral("The folder ") + c_->dir.path() +
                     QStringLiteral("/ already exists!\rEnter another folder name!"));
        QVERIFY(iconFolder().isEmpty());

        child<QLineEdit>("Edit3")->setText(QStringLiteral("out"));
        c_->prompts.expectBox();
        click("CreateNewFolderBtn");
        const QString out = c_->dir.file(QStringLiteral("out"));
        QCOMPARE(c_->prompts.lastBox().text,
                 QStringLiteral("Folder ") + out + QStringLiteral(" was created."));
        QVERIFY(QFileInfo(out).isDir());
        QCOMPARE(iconFolder(), out);
        QCOMPARE(w_->frontPanel()->objectName(), QStringLiteral("Panel1"));
        QVERIFY(child<QLineEdit>("Edit3")->text().isEmpty());

        // The folder panel has read the folder before the save: it showed a
        // file there and its removal.
        auto* list = child<QListView>("FileListBox1");
        const auto listed = [list] {
            QStringList names;
            for (int r = 0; r < list->model()->rowCount(list->rootIndex()); ++r)
                names << list->model()->index(r, 0, list->rootIndex()).data().toString();
            names.sort();
            return names;
        };
        const QString marker = c_->dir.write(QStringLiteral("out/marker"), "x");
        w_->openFolder(out);
        click("NewFolderBtn");
        QTRY_COMPARE_WITH_TIMEOUT(listed(), QStringList{QStringLiteral("marker")}, 10000);
        QVERIFY(QFile::remove(marker));
        QTRY_COMPARE_WITH_TIMEOUT(listed(), QStringList(), 10000);
        click("CloseWindowlBtn1");
        c_->prompts.expectBox(ScriptedPrompts::No);
        click("SaveAllBtn");
        QCOMPARE(w_->frontPanel()->objectName(), QStringLiteral("Panel1"));
        c_->prompts.expectBox(ScriptedPrompts::Yes);
        click("SaveAllBtn");
        QCOMPARE(c_->prompts.lastBox().caption, QStringLiteral("Save All Icons?"));
        QCOMPARE(w_->frontPanel()->objectName(), QStringLiteral("Panel3"));
        QCOMPARE(text("Label6"), out);
        // The window answers while the save runs; its end shows the done text.
        QTRY_VERIFY_WITH_TIMEOUT(!child<QLabel>("Label7")->isHidden(), 10000);
        // The last group names an image the file lacks: no file is written for it.
        QStringList expected;
        for (int i = 0; i < 7; ++i)
            expected << QStringLiteral("pe32_%1.ICO").arg(i, 2, 10, QLatin1Char('0'));
        QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name), expected);
        QCOMPARE(text("Label7"), TExIcons::doneText());
        QCOMPARE(child<QProgressBar>("ProgressBar1")->value(), 100);

        click("SpeedButton1");
        QVERIFY(iconFolder().isEmpty());
        QVERIFY(child<QLabel>("Label7")->isHidden());
        QCOMPARE(w_->frontPanel()->objectName(), QStringLiteral("Panel1"));

        // The folder panel, hidden while the files were written, lists them.
        click("NewFolderBtn");
        QTRY_COMPARE_WITH_TIMEOUT(listed(), expected, 10000);
    }

    // A file that cannot be written ends Save All with its error, and the
    // show stops without announcing success.
    void failedSaveAllIsNotAnnounced() {
        open(iconstest::fixture(QStringLiteral("pe32.exe")));
        const QString out = c_->dir.file(QStringLiteral("out"));
        QDir().mkpath(out + QStringLiteral("/pe32_03.ICO")); // a folder where a file must go
        w_->openFolder(out);
        c_->prompts.expectBox();
        click("UseSelectedFolderBtn");
        QCOMPARE(c_->prompts.lastBox().text,
                 QStringLiteral("The icon folder is the selected folder:\r") + out);
        c_->prompts.expectBox(ScriptedPrompts::Yes).expectBox();
        click("SaveAllBtn");
        // The error box opens without waiting; its answer comes from the loop.
        QTRY_VERIFY_WITH_TIMEOUT(!w_->saveAll().saving() && c_->scriptAnswered(), 10000);
        QCOMPARE(c_->prompts.lastBox().icon, Prompts::Icon::Error);
        QCOMPARE(c_->prompts.lastBox().text,
                 QStringLiteral("Cannot create file ") + out + QStringLiteral("/pe32_03.ICO."));
        QVERIFY(child<QLabel>("Label7")->isHidden());
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 3);
    }

    void helpMessages() {
        c_->prompts.expectBox();
        w_->findChild<QAction*>(QStringLiteral("FolderHelp1"))->trigger();
        QCOMPARE(c_->prompts.lastBox().caption, QStringLiteral("Extract Icons Help:"));
        QCOMPARE(c_->prompts.lastBox().icon, Prompts::Icon::Question);
        QCOMPARE(c_->prompts.lastBox().text,
                 QStringLiteral(
                     "This is where you select or create a folder to save all of the icons in.\r"));
    }
};

TABDECK_TEST(ExtractorWindowTest)
#include "ExtractorWindowTest.moc"
