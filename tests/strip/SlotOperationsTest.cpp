#include "strip/SlotOperations.h"
#include "RecordingStripValues.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "graphics/Picture.h"
#include "platform/DropTarget.h"
#include "strip/LaunchOptions.h"
#include "strip/Selection.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <map>

using testsupport::ScriptedPrompts;
using testsupport::TempDir;

namespace {
const QString ShortcutNotice =
    QStringLiteral("Tabdeck CANNOT OPEN Window's Shortcuts!\rPlease open the folder the program is "
                   "in and Drag && Drop the original file onto a Tabdeck button.");

struct Fixture {
    TempDir dir;
    ControlFile file{dir.file("TabdeckV10.INI")};
    ScriptedPrompts prompts;
    testsupport::RecordingStripValues strip;
    Selection selection;
    std::map<int, testsupport::RecordingStripValues::Face>& faces = strip.faces;
    SlotOperations ops{strip, selection, file, prompts, dir.file("Icons")};
    QString picture; // a readable picture file
    QString exe;     // an executable with icons

    Fixture() {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::green);
        picture = dir.file("pic.bmp");
        image.save(picture, "BMP");
        exe = copy(QStringLiteral(TABDECK_TEST_DATA "/platform/pe32.exe"), "prog.exe");
    }
    QString copy(const QString& from, const QString& name) {
        QFile in(from);
        if (!in.open(QIODevice::ReadOnly))
            return QString();
        return dir.write(name, in.readAll());
    }
    QString entry(const char* section, int n) {
        return file.read(section, QString::number(n), 256).text;
    }
    // What the strip does with a drop: its first item goes onto the selected button.
    void drop(const QMimeData& data) {
        ops.assign(selection.button(), droptarget::firstItem(&data).value_or(QString()));
    }
    void put(int n, const QString& button, const QString& icon) {
        file.write("BUTTON", QString::number(n), button);
        file.write("ICON", QString::number(n), icon);
    }
};
} // namespace

class SlotOperationsTest : public QObject {
    Q_OBJECT
private slots:
    // Assignment by the Open dialog, for every kind of target.
    void openAssigns_data() {
        QTest::addColumn<QString>("target"); // "EXE" / "EXEUPPER" stand for the fixture copies
        QTest::addColumn<QString>("kind");   // shortcut, executable, other
        QTest::addColumn<QString>("hint");
        QTest::newRow("lnk") << "/home/u/Desktop/App.lnk"
                             << "shortcut"
                             << "";
        QTest::newRow("LNK") << "/home/u/Desktop/App.LNK"
                             << "shortcut"
                             << "";
        QTest::newRow("exe") << "EXE"
                             << "executable"
                             << "prog.exe";
        QTest::newRow("EXE") << "EXEUPPER"
                             << "executable"
                             << "PROG.EXE";
        QTest::newRow("exe without icons") << "/nowhere/tool.exe"
                                           << "executable"
                                           << "tool.exe";
        QTest::newRow("document") << "/home/u/notes.txt"
                                  << "other"
                                  << "notes.txt";
        QTest::newRow("folder") << "/home/u/Music"
                                << "other"
                                << "Music";
        QTest::newRow("folder with slash") << "/home/u/Music/"
                                           << "other"
                                           << "";
        QTest::newRow("volume root") << "/m/"
                                     << "other"
                                     << "/m/";
        QTest::newRow("address") << "mailto:me@example.org"
                                 << "other"
                                 << "mailto:me@example.org";
        QTest::newRow("url") << "https://example.org/x"
                             << "other"
                             << "https://example.org/x";
        QTest::newRow("lnk folder is no shortcut") << "/home/u/a.lnk/b"
                                                   << "other"
                                                   << "b";
    }
    void openAssigns() {
        QFETCH(QString, target);
        QFETCH(QString, kind);
        QFETCH(QString, hint);
        Fixture f;
        QVERIFY(!f.exe.isEmpty());
        if (target == "EXE")
            target = f.exe;
        else if (target == "EXEUPPER")
            target = f.copy(f.exe, "PROG.EXE");
        f.put(5, "/old/target", "/old/picture.bmp");
        f.selection.select(5);
        f.prompts.expectFile(target);
        if (kind == "other")
            f.prompts.expectFile(f.picture);
        f.prompts.expectBox();
        f.ops.chooseTarget();
        QVERIFY(f.prompts.allUsed());
        const auto boxes = f.prompts.boxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(f.selection.button(), 5);
        if (kind == "shortcut") {
            QCOMPARE(boxes[0].text, ShortcutNotice);
            QCOMPARE(Prompts::displayText(boxes[0].text).count("&&"), 0);
            QCOMPARE(f.entry("BUTTON", 5), QStringLiteral("/old/target"));
            QCOMPARE(f.entry("ICON", 5), QStringLiteral("/old/picture.bmp"));
            QVERIFY(f.faces.empty());
            return;
        }
        QCOMPARE(boxes[0].text, QStringLiteral("The Program was Setup on Button 5"));
        QCOMPARE(boxes[0].caption, QStringLiteral("TabdeckV10"));
        QCOMPARE(f.entry("BUTTON", 5), target);
        QCOMPARE(f.entry("ICON", 5), kind == "executable" ? target : f.picture);
        QCOMPARE(f.faces[5].hint, hint);
        QCOMPARE(f.faces[5].updates, 1);
        if (kind == "other")
            QCOMPARE(f.faces[5].picture.width(), 16);
        else if (target.startsWith("/nowhere"))
            QVERIFY(f.faces[5].picture.isEmpty());
        else
            QVERIFY(!f.faces[5].picture.isEmpty());
    }

    void openDialogShape() {
        Fixture f;
        f.selection.select(2);
        f.prompts.expectFile(std::nullopt);
        f.ops.chooseTarget();
        const auto& d = f.prompts.shown().at(0).fileDialog;
        QCOMPARE(d.kind, Prompts::FileDialog::Open);
        QVERIFY(d.filter.isEmpty());
        QVERIFY(d.folder.isEmpty());
        QVERIFY(d.title.isEmpty());
        QVERIFY(!d.mustExist);
        QVERIFY(f.entry("BUTTON", 2).isEmpty());
    }

    void pictureChooserFolder_data() {
        QTest::addColumn<bool>("iconsExist");
        QTest::newRow("Icons folder") << true;
        QTest::newRow("no Icons folder") << false;
    }
    void pictureChooserFolder() {
        QFETCH(bool, iconsExist);
        Fixture f;
        if (iconsExist)
            QDir(f.dir.path()).mkdir("Icons");
        f.selection.select(3);
        f.prompts.expectFile("/home/u/doc.txt").expectFile(std::nullopt);
        f.ops.chooseTarget();
        const auto& d = f.prompts.shown().at(1).fileDialog;
        QCOMPARE(d.kind, Prompts::FileDialog::OpenPicture);
        QCOMPARE(d.folder, iconsExist ? f.dir.file("Icons") : QString());
        QVERIFY(d.filter.startsWith("All ("));
        // Cancelled: nothing written, nothing shown.
        QCOMPARE(f.prompts.boxes().size(), 0);
        QVERIFY(f.entry("BUTTON", 3).isEmpty());
        QVERIFY(f.faces.empty());
    }

    void unreadablePictureWritesNothing() {
        Fixture f;
        const QString bad = f.dir.write("bad.bmp", "BMthis is not a bitmap");
        f.put(4, "/old/target", "/old/picture.bmp");
        f.selection.select(4);
        f.prompts.expectFile("/home/u/doc.txt").expectFile(bad);
        QVERIFY_THROWS_EXCEPTION(AppError, f.ops.chooseTarget());
        QCOMPARE(f.entry("BUTTON", 4), QStringLiteral("/old/target"));
        QCOMPARE(f.entry("ICON", 4), QStringLiteral("/old/picture.bmp"));
        QVERIFY(f.faces.empty());
    }

    void desktopEntryIsAnExecutable() {
        Fixture f;
        const QString entry = f.dir.write(
            "app.desktop", ("[Desktop Entry]\nType=Application\nName=App\nExec=/bin/true\nIcon=" +
                            f.picture + "\n")
                               .toUtf8());
        f.selection.select(7);
        f.prompts.expectFile(entry).expectBox();
        f.ops.chooseTarget();
        QCOMPARE(f.entry("BUTTON", 7), entry);
        QCOMPARE(f.entry("ICON", 7), entry);
        QVERIFY(!f.faces[7].picture.isEmpty());
        // An entry is named by its own Name, as the desktop names it.
        QCOMPARE(f.faces[7].hint, QStringLiteral("App"));
    }

    void nothingSelectedIgnored() {
        Fixture f;
        f.selection.select(0);
        f.ops.chooseTarget(); // no dialog: the scripted prompts fail on any box
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(f.exe)});
        f.drop(data);
        QVERIFY(f.prompts.shown().isEmpty());
        QCOMPARE(f.file.read("BUTTON", "0", 256).length, 0);
        QCOMPARE(f.file.read("ICON", "0", 256).length, 0);
    }

    // "/" would be written, shown and announced, yet never open nor be
    // deletable: a target of two characters or fewer is not taken at all.
    void tooShortTargetIgnored_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("root") << "/";
        QTest::newRow("two") << "ab";
    }
    void tooShortTargetIgnored() {
        QFETCH(QString, target);
        Fixture f;
        f.selection.select(5);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(target)});
        f.drop(data);
        f.prompts.expectFile(target); // the Open dialog, then nothing more
        f.ops.chooseTarget();
        QCOMPARE(f.prompts.shown().size(), 1);
        QCOMPARE(f.file.read("BUTTON", "5", 256).length, 0);
        QCOMPARE(f.file.read("ICON", "5", 256).length, 0);
        QVERIFY(f.faces.empty());
    }

    void dropTakesFirstItem_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("stored"); // "EXE" = the fixture
        QTest::newRow("three files")
            << QList<QUrl>{QUrl::fromLocalFile("EXE"), QUrl::fromLocalFile("/b.exe"),
                           QUrl::fromLocalFile("/c.exe")}
            << "EXE";
        QTest::newRow("upper EXE")
            << QList<QUrl>{QUrl::fromLocalFile("/opt/X/RUN.EXE")} << "/opt/X/RUN.EXE";
    }
    void dropTakesFirstItem() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, stored);
        Fixture f;
        if (urls[0].toLocalFile() == "EXE")
            urls[0] = QUrl::fromLocalFile(f.exe);
        if (stored == "EXE")
            stored = f.exe;
        QMimeData data;
        data.setUrls(urls);
        f.selection.select(11);
        f.prompts.expectBox();
        f.drop(data);
        QCOMPARE(f.entry("BUTTON", 11), stored);
        QCOMPARE(f.entry("ICON", 11), stored);
        QCOMPARE(f.prompts.lastBox().text, QStringLiteral("The Program was Setup on Button 11"));
    }

    void droppedShortcutRefused() {
        Fixture f;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile("/home/u/Desktop/Mail.LNK")});
        f.selection.select(1);
        f.prompts.expectBox();
        f.drop(data);
        QCOMPARE(f.prompts.lastBox().text, ShortcutNotice);
        QVERIFY(f.entry("BUTTON", 1).isEmpty());
    }

    void showAndClearOutsideRange_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("0") << 0;
        QTest::newRow("361") << 361;
        QTest::newRow("-1") << -1;
    }
    void showAndClearOutsideRange() {
        QFETCH(int, n);
        Fixture f;
        f.ops.assign(n, f.exe);
        f.selection.select(n);
        f.ops.cutButton();
        QVERIFY(f.faces.empty());
        QVERIFY(f.prompts.shown().isEmpty());
        QCOMPARE(f.file.read("BUTTON", QString::number(n), 256).length, 0);
    }

    void clearGivesEmptyHint() {
        Fixture f;
        f.put(360, "/home/u/notes.txt", f.picture);
        f.selection.select(360);
        f.ops.cutButton();
        QVERIFY(f.faces[360].picture.isEmpty());
        QCOMPARE(f.faces[360].hint, QStringLiteral("Right Click for Menu.\rOr Drag & Drop."));
    }

    void deleteSlot_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer"); // 0: no question expected
        QTest::addColumn<bool>("removed");
        QTest::newRow("confirmed") << "/usr/bin/x" << int(Prompts::Yes) << true;
        QTest::newRow("refused") << "/usr/bin/x" << int(Prompts::No) << false;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("two characters count as empty") << "/x" << 0 << false;
    }
    void deleteSlot() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        QFETCH(bool, removed);
        Fixture f;
        f.put(6, button, "/pics/x.bmp");
        f.selection.select(6);
        f.prompts.expectBox(answer ? Prompts::Button(answer) : Prompts::Ok);
        f.ops.deleteButton();
        QVERIFY(f.prompts.allUsed());
        const auto box = f.prompts.lastBox();
        if (answer) {
            QCOMPARE(box.caption, QStringLiteral("Confirm"));
            QCOMPARE(box.text, QStringLiteral("Are you sure you want to remove this program?"));
        } else {
            QCOMPARE(box.text, QStringLiteral("There is nothing on the Button to Remove!"));
        }
        QCOMPARE(f.entry("BUTTON", 6), removed ? QString() : button);
        QCOMPARE(f.entry("ICON", 6), removed ? QString() : QStringLiteral("/pics/x.bmp"));
        QCOMPARE(f.faces.count(6), size_t(removed ? 1 : 0));
        QCOMPARE(f.selection.button(), 0);
    }

    void cutPaste_data() {
        QTest::addColumn<QString>("button"); // "EXE" = fixture, "EXEUPPER" = its upper-case copy
        QTest::addColumn<QString>("icon");   // "SAME" = as button, "PIC" = the picture
        QTest::addColumn<bool>("executable");
        QTest::newRow("executable") << "EXE"
                                    << "SAME" << true;
        QTest::newRow("upper-case EXE") << "EXEUPPER"
                                        << "SAME" << true;
        QTest::newRow("document") << "/home/u/notes.txt"
                                  << "PIC" << false;
        QTest::newRow("folder") << "/home/u/Music"
                                << "PIC" << false;
    }
    void cutPaste() {
        QFETCH(QString, button);
        QFETCH(QString, icon);
        QFETCH(bool, executable);
        Fixture f;
        if (button == "EXE")
            button = f.exe;
        else if (button == "EXEUPPER")
            button = f.copy(f.exe, "PROG.EXE");
        icon = icon == "SAME" ? button : f.picture;
        f.put(3, button, icon);
        f.put(20, "/old/target", "/old/pic.bmp");
        // The launch options move with the target.
        LaunchOptions options;
        options.arguments = QStringLiteral("--fast \"a b\"");
        options.terminal = true;
        LaunchOptionsSettings(f.file).write(3, button, options);

        f.selection.select(3);
        f.ops.cutButton();
        QVERIFY(LaunchOptionsSettings(f.file).read(3, button).isEmpty());
        QCOMPARE(f.ops.executable(), executable);
        QCOMPARE(f.entry("BUTTON", 3), QString());
        QCOMPARE(f.entry("ICON", 3), QString());
        QCOMPARE(f.faces[3].hint, QStringLiteral("Right Click for Menu.\rOr Drag & Drop."));
        QCOMPARE(f.strip.cutText(1), button);
        QCOMPARE(f.selection.button(), 3);

        f.selection.select(20);
        f.ops.pasteButton();
        QVERIFY(f.prompts.shown().isEmpty());
        QCOMPARE(f.entry("BUTTON", 20), button);
        QCOMPARE(f.entry("ICON", 20), icon);
        QCOMPARE(f.ops.currentPath(), button);
        QVERIFY(!f.faces[20].picture.isEmpty());
        QCOMPARE(f.faces[20].hint,
                 launchoptions::hint(button.mid(button.lastIndexOf('/') + 1), options));
        QCOMPARE(LaunchOptionsSettings(f.file).read(20, button), options);
        QVERIFY(f.strip.cutText(1).isEmpty());
        QVERIFY(f.strip.cutText(3).isEmpty());

        // The buffer is empty now: a second Paste changes nothing.
        f.selection.select(21);
        f.ops.pasteButton();
        QVERIFY(f.entry("BUTTON", 21).isEmpty());
        QCOMPARE(f.faces.count(21), size_t(0));
    }

    void cutEmptySlotDoesNothing() {
        Fixture f;
        f.put(9, f.exe, f.exe); // cutting an executable sets the flag
        f.selection.select(9);
        f.ops.cutButton();
        QVERIFY(f.ops.executable());
        f.faces.clear();
        // What the boxes show is never read back: the buffer is the logic's.
        f.strip.setCutText(1, "/typed");
        f.put(8, "/x", "/pics/p.bmp");
        f.selection.select(8);
        f.ops.cutButton();
        QCOMPARE(f.ops.cutTarget(), f.exe);
        QCOMPARE(f.entry("ICON", 8), QStringLiteral("/pics/p.bmp"));
        QVERIFY(!f.ops.executable()); // the flag is reset first
        QVERIFY(f.faces.empty());
        f.selection.select(10);
        f.ops.pasteButton();
        QCOMPARE(f.entry("BUTTON", 10), f.exe);
    }

    void pasteWithUnreadablePicture() {
        Fixture f;
        f.put(3, "/home/u/notes.txt", f.dir.write("broken.bmp", "garbage"));
        f.selection.select(3);
        f.ops.cutButton();
        f.selection.select(4);
        QVERIFY_THROWS_EXCEPTION(AppError, f.ops.pasteButton());
        // Both entries are already written; the buffer stays for another try.
        QCOMPARE(f.entry("BUTTON", 4), QStringLiteral("/home/u/notes.txt"));
        QCOMPARE(f.entry("ICON", 4), f.dir.file("broken.bmp"));
        QCOMPARE(f.strip.cutText(1), QStringLiteral("/home/u/notes.txt"));
        QCOMPARE(f.faces.count(4), size_t(0));
    }

    void pasteWithNothingSelectedKeepsBuffer() {
        Fixture f;
        f.put(3, "/home/u/notes.txt", f.picture);
        f.selection.select(3);
        f.ops.cutButton();
        f.selection.select(0);
        f.ops.pasteButton();
        QCOMPARE(f.file.read("BUTTON", "0", 256).length, 0);
        QCOMPARE(f.strip.cutText(1), QStringLiteral("/home/u/notes.txt"));
    }

    void secondCutReplacesFirst() {
        Fixture f;
        f.put(1, "/home/u/a.txt", f.picture);
        f.put(2, f.exe, f.exe);
        f.selection.select(1);
        f.ops.cutButton();
        f.selection.select(2);
        f.ops.cutButton();
        f.selection.select(9);
        f.ops.pasteButton();
        QCOMPARE(f.entry("BUTTON", 9), f.exe);
        QCOMPARE(f.entry("ICON", 9), f.exe);
        // The first cut slot is gone from the file.
        QVERIFY(f.entry("BUTTON", 1).isEmpty());
    }
};

TABDECK_TEST(SlotOperationsTest)
#include "SlotOperationsTest.moc"
