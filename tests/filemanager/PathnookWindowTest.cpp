#include "FileManagerFixture.h"
#include "RecordingOpener.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "core/Opener.h"
#include "filemanager/RereadThrottle.h"
#include "filemanager/window/EditMenu.h"
#include "filemanager/window/TPathnook.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

using testsupport::RecordingOpener;
using testsupport::ScriptedPrompts;
using testsupport::TempDir;
using namespace testfilemanager;

namespace {} // namespace

// The file manager window on a real folder: what a user does with the
// pointer, checked on the lists, the process's folder and the stores.
class PathnookWindowTest : public QObject {
    Q_OBJECT
    TempDir* dir_ = nullptr;
    ControlFile* file_ = nullptr;
    ScriptedPrompts prompts_;
    RecordingOpener opener_;
    AppContext context_;
    TPathnook* window_ = nullptr;
    QString savedCwd_;

    template <typename T> T* child(const char* name) {
        T* w = window_->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    int folderRow(const QString& path) { return window_->folderNames().indexOf(path); }
    void doubleClickFolder(const QString& path) {
        auto* list = child<QListWidget>("DirectoryListBox1");
        const int row = folderRow(path);
        QVERIFY(row >= 0);
        const QRect r = list->visualItemRect(list->item(row));
        // A double click is a press, a release and the second press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    void clickFile(const QString& name) {
        auto* view = child<QListView>("FileListBox1");
        const int row = window_->fileNames().indexOf(name);
        QVERIFY(row >= 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0)).center());
    }

private slots:
    void initTestCase() { registryHome(); }
    void init() {
        clearRegistry();
        savedCwd_ = QDir::currentPath();
        dir_ = new TempDir;
        QDir(dir_->path()).mkpath("root/logs");
        dir_->write("root/logs/a.log", "x");
        dir_->write("root/logs/b.txt", "x");
        dir_->write("root/logs/C.LOG", "x");
        QDir::setCurrent(dir_->file("root"));
        file_ = new ControlFile(dir_->write("TabdeckV10.INI", "[BUTTON]\r\n1=\r\n"));
        prompts_.clear();
        opener_.opened.clear();
        context_.controlFile = file_;
        context_.prompts = &prompts_;
        context_.opener = &opener_;
        window_ = new TPathnook(context_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup() {
        QVERIFY2(prompts_.allUsed(), "an expected box was not shown");
        QCOMPARE(prompts_.unexpectedCount(), 0);
        delete window_;
        delete file_;
        QDir::setCurrent(savedCwd_);
        delete dir_;
    }

    void browseOpenAndRemoveFile() {
        const QString root = QFileInfo(dir_->file("root")).canonicalFilePath();
        const QString logs = root + "/logs";
        QCOMPARE(window_->currentFolder(), root);
        QCOMPARE(window_->folderNames().last(), logs); // ancestors, then the children
        doubleClickFolder(logs);
        QCOMPARE(window_->currentFolder(), logs);
        QCOMPARE(QDir::currentPath(), root); // the process's folder stays
        QCOMPARE(window_->folderLabelText(), logs);
        QCOMPARE(window_->fileNames(), (QStringList{"a.log", "b.txt", "C.LOG"}));
        auto* menu = child<QMenu>("PopupMenu1");
        auto item = [&](const char* n) { return menu->findChild<QAction*>(QLatin1String(n)); };
        QVERIFY(item("RemoveFolder1")->isEnabled() && !item("OpenFile1")->isEnabled());

        clickFile("b.txt");
        QCOMPARE(child<QLineEdit>("Edit1")->text(), logs + "/b.txt");
        QVERIFY(item("OpenFile1")->isEnabled() && !item("RemoveFolder1")->isEnabled());
        item("OpenFile1")->trigger();
        QCOMPARE(opener_.opened, QStringList{logs + "/b.txt"});

        prompts_.expectBox(Prompts::Yes);
        item("RemoveFile1")->trigger();
        QVERIFY(!QFileInfo::exists(logs + "/b.txt"));
        QCOMPARE(window_->fileNames(), (QStringList{"a.log", "C.LOG"}));

        // A file made by another program shows up without any action here.
        dir_->write("root/logs/new.txt", "x");
        QTRY_VERIFY_WITH_TIMEOUT(window_->fileNames().contains("new.txt"), 5000);
    }

    // Remove File acts on the file that was selected when the menu opened,
    // whatever re-read the list in between; a file no longer listed is kept.
    void removeFileActsOnTheFileSeen_data() {
        QTest::addColumn<QString>("typedMask"); // typed into Edit1 before the click
        QTest::addColumn<QString>("click");
        QTest::addColumn<QString>("step");      // what re-reads the list
        QTest::addColumn<QString>("removed");   // "" for none
        QTest::addColumn<QStringList>("boxes"); // %1 = the folder
        const QString ask = "Are you sure you want to Remove File:\r%1/";
        const QString filter = "The Filter Mask for the File List Box was changed to: *.txt";
        QTest::newRow("typed mask, then a click") << "*.log"
                                                  << "C.LOG"
                                                  << ""
                                                  << "C.LOG" << QStringList{ask + "C.LOG?"};
        QTest::newRow("filter keeps the selected name")
            << ""
            << "b.txt"
            << "filter"
            << "b.txt" << QStringList{filter, ask + "b.txt?"};
        QTest::newRow("filter hides the selected file")
            << ""
            << "a.log"
            << "filter"
            << ""
            << QStringList{filter, "Are you sure you want to Remove File:\r?",
                           "ERROR: Could NOT Remove File !\rCannot Remove Read Only Files!"};
        QTest::newRow("a folder created")
            << ""
            << "b.txt"
            << "create"
            << "b.txt"
            << QStringList{"Are you sure you want to create (Folder) Diredtory %1/Made?",
                           ask + "b.txt?"};
        QTest::newRow("a file appears above it while the menu is open")
            << ""
            << "b.txt"
            << "added"
            << "b.txt" << QStringList{ask + "b.txt?"};
        QTest::newRow("the file goes while the menu is open")
            << ""
            << "b.txt"
            << "gone"
            << ""
            << QStringList{"ERROR: Could NOT Remove File %1/b.txt!\rThe file is no longer in "
                           "the list."};
    }
    void removeFileActsOnTheFileSeen() {
        QFETCH(QString, typedMask);
        QFETCH(QString, click);
        QFETCH(QString, step);
        QFETCH(QString, removed);
        QFETCH(QStringList, boxes);
        const QString logs = QFileInfo(dir_->file("root/logs")).canonicalFilePath();
        for (const QString& b : boxes)
            prompts_.expectBox(b.startsWith("Are you sure") ? Prompts::Yes : Prompts::Ok);
        doubleClickFolder(logs);
        if (!typedMask.isEmpty()) {
            child<QLineEdit>("Edit1")->setText(logs + "/" + typedMask);
            QTest::mouseDClick(child<QLineEdit>("Edit1"), Qt::LeftButton);
        }
        clickFile(click);
        QCOMPARE(window_->selectedFile(), logs + "/" + click);
        if (step == "filter") {
            child<QPushButton>("SetupButton")->click();
            window_->setupPage()->FilterComboBox1Change(1);
            child<QPushButton>("CloseSetupButton")->click();
            window_->FileListBox1Click(); // a press on the list enables the file items
        } else if (step == "create") {
            child<QLineEdit>("Edit2")->setText("Made");
            child<QPushButton>("CreateFolderButton")->click();
        }
        if (step == "filter" || step == "create") {
            const QString kept = removed.isEmpty() ? QString() : logs + "/" + removed;
            QCOMPARE(window_->selectedFile(), kept);
            QCOMPARE(child<QLineEdit>("Edit1")->text(), kept);
        }
        auto* menu = child<QMenu>("PopupMenu1");
        menu->popup(window_->mapToGlobal(QPoint(100, 200)));
        if (step == "added") {
            dir_->write("root/logs/a0.txt", "x");
            QTRY_VERIFY_WITH_TIMEOUT(window_->fileNames().contains("a0.txt"), 5000);
        } else if (step == "gone") {
            QFile::remove(logs + "/b.txt");
            QTRY_VERIFY_WITH_TIMEOUT(!window_->fileNames().contains("b.txt"), 5000);
        }
        menu->hide();
        menu->findChild<QAction*>("RemoveFile1")->trigger();
        QStringList shown;
        for (const auto& b : prompts_.boxes())
            shown << b.text;
        for (QString& b : boxes)
            b.replace("%1", logs);
        QCOMPARE(shown, boxes);
        for (const char* name : {"a.log", "b.txt", "C.LOG"})
            QCOMPARE(QFileInfo::exists(logs + "/" + name),
                     name != removed && !(step == "gone" && name == QString("b.txt")));
    }

    // A click selects: a mask typed into Edit1 stays, the list is not made
    // anew, and what a right click there removes is the file under it; the
    // removal asks with No as the default button.
    void clickSelectsOnly() {
        dir_->write("root/junk/aaa-important.dat", "x");
        dir_->write("root/junk/zzz-junk.txt", "x");
        const QString junk = QFileInfo(dir_->file("root/junk")).canonicalFilePath();
        auto* edit1 = child<QLineEdit>("Edit1");
        edit1->setText(junk + "/*.txt");
        QTest::mouseDClick(edit1, Qt::LeftButton);
        QCOMPARE(window_->fileNames(), QStringList{"zzz-junk.txt"});
        auto* view = child<QListView>("FileListBox1");
        const QPoint at = view->visualRect(view->model()->index(0, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(window_->fileNames(), QStringList{"zzz-junk.txt"});
        QCOMPARE(child<QLabel>("MaskLabel")->text(), QString("*.txt"));
        QCOMPARE(edit1->text(), junk + "/zzz-junk.txt");
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at);
        QCOMPARE(window_->selectedFile(), junk + "/zzz-junk.txt");
        auto* menu = child<QMenu>("PopupMenu1");
        menu->popup(view->viewport()->mapToGlobal(at));
        menu->hide();
        prompts_.expectBox(Prompts::No);
        menu->findChild<QAction*>("RemoveFile1")->trigger();
        QCOMPARE(prompts_.lastBox().text,
                 "Are you sure you want to Remove File:\r" + junk + "/zzz-junk.txt?");
        QCOMPARE(prompts_.lastBox().defaultButton, int(Prompts::No));
        QVERIFY(QFileInfo::exists(junk + "/zzz-junk.txt"));
        QVERIFY(QFileInfo::exists(junk + "/aaa-important.dat"));
        // Entering a folder brings the current mask back.
        doubleClickFolder(junk);
        QCOMPARE(window_->fileNames(), (QStringList{"aaa-important.dat", "zzz-junk.txt"}));
        QCOMPARE(child<QLabel>("MaskLabel")->text(), QString("*.*"));
    }

    // Whatever makes the file list anew keeps the selected file selected
    // (where it lands) and the list's scroll position.
    void rebuildKeepsSelectionAndScroll_data() {
        QTest::addColumn<QString>("step");
        QTest::newRow("another program adds a file above") << "added";
        QTest::newRow("another program adds a page of files above") << "page";
        QTest::newRow("another program removes a file above") << "gone";
        QTest::newRow("a filter that keeps the file") << "filter";
        QTest::newRow("the selected file removed here") << "remove";
    }
    void rebuildKeepsSelectionAndScroll() {
        QFETCH(QString, step);
        for (int i = 0; i < 120; ++i)
            dir_->write(QStringLiteral("root/many/f%1.txt").arg(i, 3, 10, QChar(u'0')), "x");
        dir_->write("root/many/aaa.dat", "x");
        const QString many = QFileInfo(dir_->file("root/many")).canonicalFilePath();
        window_->enterFolder(many);
        auto* view = child<QListView>("FileListBox1");
        QScrollBar* bar = view->verticalScrollBar();
        QTRY_VERIFY_WITH_TIMEOUT(bar->maximum() > 0, 5000); // laid out in a later turn
        bar->setValue(bar->maximum() / 2);
        const int scrolled = bar->value();
        const QPoint at = view->viewport()->rect().center();
        const QString name = window_->fileNames().value(view->indexAt(at).row());
        QVERIFY(name.startsWith('f'));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(window_->selectedFile(), many + "/" + name);
        const QStringList before = window_->fileNames();
        if (step == "added") {
            dir_->write("root/many/a0.txt", "x");
        } else if (step == "page") {
            for (int i = 0; i < 40; ++i)
                dir_->write(QStringLiteral("root/many/a%1.txt").arg(i), "x");
        } else if (step == "gone") {
            QVERIFY(QFile::remove(many + "/aaa.dat"));
        } else if (step == "filter") {
            prompts_.expectBox(Prompts::Ok);
            window_->setupPage()->FilterComboBox1Change(1); // Text Files (*.txt)
        } else {
            prompts_.expectBox(Prompts::Yes); // the selected file goes
            window_->RemoveFile1Click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(window_->fileNames().size() != before.size(), 5000);
        if (step == "page")
            QTRY_VERIFY_WITH_TIMEOUT(window_->fileNames().size() == before.size() + 40, 5000);
        const QString kept = step == "remove" ? QString() : many + "/" + name;
        QCOMPARE(window_->selectedFile(), kept);
        QCOMPARE(view->currentIndex().row(), window_->fileNames().indexOf(name));
        QCOMPARE(bar->value(), scrolled);
    }

    // At the default size the new-folder field shows its whole text.
    void newFolderFieldFitsAtDefaultSize() {
        auto* edit2 = child<QLineEdit>("Edit2");
        QCOMPARE(window_->size(), QSize(622, 443));
        QStyleOptionFrame opt;
        opt.initFrom(edit2);
        opt.lineWidth = edit2->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit2);
        const QRect inside =
            edit2->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit2);
        const int needed = edit2->fontMetrics().horizontalAdvance(edit2->text()) + 2 * 2 + 1;
        QVERIFY2(inside.width() >= needed,
                 qPrintable(QString("%1 < %2").arg(inside.width()).arg(needed)));
    }

    void editMenuActsOnLastFieldChanged() {
        auto* edit2 = child<QLineEdit>("Edit2");
        auto* edit3 = child<QLineEdit>("Edit3");
        EditMenu* menu = window_->editMenu();
        QCOMPARE(menu->current(), nullptr); // none after showing
        QTest::keyClicks(edit2, "X");
        // A right click on Edit3 does not make it current.
        QTest::mouseClick(edit3, Qt::RightButton);
        QCOMPARE(menu->current(), edit2);
        QApplication::clipboard()->setText("pasted");
        menu->update();
        QVERIFY(!menu->item("Undo1")->isEnabled());
        QVERIFY(!menu->item("Cut1")->isEnabled()); // no selection yet
        menu->item("SelectAll1")->trigger();
        QCOMPARE(edit2->selectedText(), edit2->text());
        menu->item("Paste1")->trigger();
        QCOMPARE(edit2->text(), QString("pasted"));
        QCOMPARE(edit3->text(), QString("Text files (*.txt)|*.txt"));
        menu->update();
        QVERIFY(menu->item("Undo1")->isEnabled());
        window_->hide();
        window_->show();
        QCOMPARE(menu->current(), nullptr);
        QVERIFY(!menu->undoMark(edit2));
    }

    // A hostile stored mask (20,000 of them) lists each file at most
    // MaxMasks times and leaves the window its size.
    void hostileStoredMaskIsBounded() {
        {
            QSettings store(registryFile(), QSettings::IniFormat);
            store.setValue("Options/FileMask", QStringLiteral("*;").repeated(20000));
        }
        window_->enterFolder(QFileInfo(dir_->file("root/logs")).canonicalFilePath());
        const int width = window_->width();
        window_->hide();
        window_->show();
        QCOMPARE(window_->fileNames().size(), 3 * maskfilter::MaxMasks);
        QCOMPARE(window_->currentMask().size(), 2 * maskfilter::MaxMasks - 1);
        auto* label = child<QLabel>("MaskLabel");
        QVERIFY(label->text().endsWith(QChar(0x2026)));
        QVERIFY(label->sizeHint().width() <= label->fontMetrics().averageCharWidth() * 41);
        QTRY_COMPARE_WITH_TIMEOUT(window_->width(), width, 2000);
    }

    void settingsPageFilterAndStore() {
        // Fresh: the registry button shows selected.
        QVERIFY(child<QRadioButton>("RegistryRadio")->isChecked());
        child<QPushButton>("SetupButton")->click();
        auto* filters = child<QComboBox>("FilterComboBox1");
        QCOMPARE(filters->count(), 7);
        prompts_.expectBox();
        window_->setupPage()->FilterComboBox1Change(1);
        QCOMPARE(prompts_.lastBox().text,
                 QString("The Filter Mask for the File List Box was changed to: *.txt"));
        QCOMPARE(window_->currentMask(), QString("*.txt"));
        QCOMPARE(registryValue("FileMask").toString(), QString("*.txt"));

        // To INI and back; each store is checked after its switch.
        prompts_.expectBox(Prompts::Yes).expectBox();
        QTest::mousePress(child<QRadioButton>("IniRadio"), Qt::LeftButton);
        QTest::mouseRelease(child<QRadioButton>("IniRadio"), Qt::LeftButton);
        QCOMPARE(file_->read("PATHNOOK", "FileMask", 40).text, QString("*.txt"));
        QVERIFY(!QFile::exists(registryFile()));
        QVERIFY(child<QRadioButton>("IniRadio")->isChecked());
        prompts_.expectBox();
        QTest::mousePress(child<QRadioButton>("RegistryRadio"), Qt::LeftButton);
        QTest::mouseRelease(child<QRadioButton>("RegistryRadio"), Qt::LeftButton);
        QCOMPARE(registryValue("FileMask").toString(), QString("*.txt"));
        QVERIFY(file_->read("REGSETUP", "Switch", 10).text.isEmpty());

        // A bad stored colour is an error box at the next showing.
        file_->write("REGSETUP", "Switch", "1");
        file_->write("PATHNOOK", "BackColor", "notacolor");
        window_->hide();
        prompts_.expectBox();
        window_->show();
        QCOMPARE(prompts_.lastBox().icon, Prompts::Icon::Error);
        QVERIFY(child<QRadioButton>("IniRadio")->isChecked());
    }

    void resizingRereadsAtMostFourTimesASecond() {
        const int before = window_->throttle().count();
        QElapsedTimer t;
        t.start();
        int w = 600;
        while (t.elapsed() < 1000) {
            window_->resize(w, 450);
            w = w == 600 ? 640 : 600;
            window_->repaint();
            QTest::qWait(5);
        }
        QTest::qWait(300);
        const int reads = window_->throttle().count() - before;
        QVERIFY2(reads >= 1 && reads <= 5, qPrintable(QString::number(reads)));
    }

    void closingAsksExceptOk() {
        window_->close(); // programmatic: no question
        QVERIFY(!window_->isVisible());
        window_->show();
        prompts_.expectBox(Prompts::No);
        child<QPushButton>("CancelButton")->click();
        QVERIFY(window_->isVisible());
        QCOMPARE(prompts_.lastBox().text, QString("Are you sure you want to close this program?"));
        prompts_.expectBox(Prompts::Yes);
        child<QPushButton>("CancelButton")->click();
        QVERIFY(!window_->isVisible());
        window_->show();
        child<QPushButton>("OkButton")->click();
        QVERIFY(!window_->isVisible());
    }
};

TABDECK_TEST(PathnookWindowTest)
#include "PathnookWindowTest.moc"
