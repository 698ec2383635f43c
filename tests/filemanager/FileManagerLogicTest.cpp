#include "FileManagerFixture.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "filemanager/FileBrowser.h"
#include "filemanager/FilterList.h"
#include "filemanager/FolderOps.h"
#include "filemanager/MaskFilter.h"
#include "filemanager/PathnookSettings.h"
#include "platform/UserRegistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using testsupport::ScriptedPrompts;
using testsupport::TempDir;
using namespace testfilemanager;

namespace {

using Mode = PathnookSettings::Mode;

QString iniValue(ControlFile& f, const char* section, const char* key) {
    return f.read(QLatin1String(section), QLatin1String(key), 2048).text;
}

// The tool runs as "nobody" from a folder everybody may enter.
QString toolCopy() {
    static TempDir folder;
    static const QString copy = [] {
        ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
        const QString target = folder.file("folderops_tool");
        QFile::copy(QStringLiteral(TABDECK_BIN_DIR "/folderops_tool"), target);
        ::chmod(QFile::encodeName(target).constData(), 0755);
        return target;
    }();
    return copy;
}

struct Run {
    int exitCode = -1;
    QString out;
};
Run asNobody(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("runuser"), QStringList{"-u", "nobody", "--", toolCopy()} + args);
    Run r;
    if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit)
        r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    return r;
}

} // namespace

// The file list's masks, the filter list, the settings store and the
// folder operations, on real folders and the real per-user store.
class FileManagerLogicTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registryHome(); }
    void init() { clearRegistry(); }

    void listing_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QStringList>("expected");
        // a.TXT, b.txt, .hidden.txt, c.log, Z.Log, noext, sub/ (a folder), link.txt -> b.txt
        QTest::newRow("no stored mask: every file, hidden too, no folders")
            << "*.*"
            << QStringList{".hidden.txt", "a.TXT", "b.txt", "c.log", "link.txt", "noext", "Z.Log"};
        QTest::newRow("case ignored, alphabetical ignoring case")
            << "*.log" << QStringList{"c.log", "Z.Log"};
        QTest::newRow("two masks merge in order")
            << "*.txt;*.log"
            << QStringList{".hidden.txt", "a.TXT", "b.txt", "c.log", "link.txt", "Z.Log"};
        QTest::newRow("a file matching two masks is listed twice")
            << "b*;*.txt" << QStringList{".hidden.txt", "a.TXT", "b.txt", "b.txt", "link.txt"};
        QTest::newRow("question mark and empty parts")
            << ";?.log;;" << QStringList{"c.log", "Z.Log"};
        QTest::newRow("nothing matches") << "*.exe" << QStringList{};
        QTest::newRow("hostile backtracking mask") << "*a*a*a*a*a*a*a*a*b" << QStringList{};
        QTest::newRow("20,000 stars before a name")
            << QString(20000, u'*') + ".log" << QStringList{"c.log", "Z.Log"};
        QStringList capped;
        for (const char* n : {"c.log", "Z.Log"})
            for (int i = 0; i < maskfilter::MaxMasks; ++i)
                capped << QLatin1String(n);
        QTest::newRow("20,000 masks: the first ones only")
            << QStringLiteral("*.log;").repeated(20000) << capped;
    }
    void listing() {
        QFETCH(QString, mask);
        QFETCH(QStringList, expected);
        TempDir dir;
        for (const char* n : {"a.TXT", "b.txt", ".hidden.txt", "c.log", "Z.Log", "noext"})
            dir.write(QLatin1String(n), "x");
        QDir(dir.path()).mkdir("sub");
        QDir(dir.path()).mkdir("sub.txt");
        QFile::link(dir.file("b.txt"), dir.file("link.txt"));
        QFile::link(dir.file("sub"), dir.file("dirlink.txt"));
        QCOMPARE(maskfilter::shownNames(maskfilter::listFiles(dir.path(), mask)), expected);
    }

    // A hostile mask text is bounded: runs of "*" are one, at most MaxMasks
    // masks of at most MaxMaskLength characters; the browser keeps the
    // bounded text. Texts within the bounds are kept as they are.
    void maskBounds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("masks");
        const int n = maskfilter::MaxMasks;
        const int len = maskfilter::MaxMaskLength;
        auto times = [](const QString& mask, int count) { return QStringList(count, mask); };
        QTest::newRow("within bounds") << "*.txt; *.log" << QStringList{"*.txt", "*.log"};
        QTest::newRow("20,000 stars are one") << QString(20000, u'*') << QStringList{"*"};
        QTest::newRow("runs of stars inside a mask") << "a**b***.txt" << QStringList{"a*b*.txt"};
        QTest::newRow("masks at the cap") << QStringLiteral("*.a;").repeated(n) << times("*.a", n);
        QTest::newRow("one mask past the cap")
            << QStringLiteral("*.a;").repeated(n) + "*.b" << times("*.a", n);
        QTest::newRow("20,000 masks") << QStringLiteral("*;").repeated(20000) << times("*", n);
        QTest::newRow("a mask at the length cap")
            << QString(len, u'?') << QStringList{QString(len, u'?')};
        QTest::newRow("a mask past the length cap")
            << QString(len + 1, u'?') + "x" << QStringList{QString(len, u'?')};
        QTest::newRow("stars and letters past the length cap")
            << QStringLiteral("*a").repeated(len)
            << QStringList{QStringLiteral("*a").repeated(len).left(len)};
    }
    void maskBounds() {
        QFETCH(QString, text);
        QFETCH(QStringList, masks);
        QCOMPARE(maskfilter::split(text), masks);
        const QString bounded = maskfilter::bounded(text);
        QCOMPARE(maskfilter::split(bounded), masks);
        if (qstrcmp(QTest::currentDataTag(), "within bounds") == 0)
            QCOMPARE(bounded, text);
        TempDir dir;
        for (const char* name : {"a.a", "b.b", "c.txt"})
            dir.write(QLatin1String(name), "x");
        FileBrowser list;
        list.enter(dir.path());
        list.setMask(text);
        QCOMPARE(list.mask(), bounded);
        QCOMPARE(list.listMask(), bounded);
        QVERIFY(list.files().size() <= 3 * maskfilter::MaxMasks);
    }

    // Names that are not UTF-8 are listed apart, selected and removed as
    // themselves; a file really named with the replacement character is
    // never taken for them.
    void namesThatAreNotText_data() {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ff") << QByteArray("bad\xff.txt") << "bad\\xFF.txt";
        QTest::newRow("fe") << QByteArray("bad\xfe.txt") << "bad\\xFE.txt";
        QTest::newRow("cut sequence") << QByteArray("bad\xc3.txt") << "bad\\xC3.txt";
    }
    void namesThatAreNotText() {
        QFETCH(QByteArray, target);
        QFETCH(QString, shown);
        TempDir dir;
        const QString folder = QFileInfo(dir.path()).canonicalFilePath();
        const QByteArray base = QFile::encodeName(folder) + '/';
        const QList<QByteArray> names{"bad\xff.txt", "bad\xfe.txt", "bad\xc3.txt",
                                      "bad\xef\xbf\xbd.txt"};
        for (const QByteArray& n : names) {
            const int fd = ::open((base + n).constData(), O_CREAT | O_WRONLY, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        FileBrowser list;
        list.enter(folder);
        QCOMPARE(list.files(), (QStringList{"bad\\xC3.txt", "bad\\xFE.txt", "bad\\xFF.txt",
                                            QString::fromUtf8("bad\xef\xbf\xbd.txt")}));
        list.select(int(list.files().indexOf(shown)));
        QCOMPARE(list.pathText(), folder + "/" + shown);
        ScriptedPrompts prompts;
        prompts.expectBox().expectBox(Prompts::Yes);
        FolderOps ops(prompts, nullptr);
        QVERIFY(!ops.canOpen(*list.picked())); // the desktop could only be given another name
        QVERIFY(ops.removeListedFile(list.picked(), list));
        QCOMPARE(prompts.boxes()[1].text,
                 "Are you sure you want to Remove File:\r" + folder + "/" + shown + "?");
        struct stat st;
        for (const QByteArray& n : names)
            QCOMPARE(::lstat((base + n).constData(), &st) == 0, n != target);
    }

    // A path typed into the path field, and a folder that goes away, on a
    // real tree; the process's folder never moves.
    void browsing_data() {
        QTest::addColumn<QString>("typed"); // relative to the tree; "gone" removes a folder
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("pathText"); // %1 = the tree
        QTest::newRow("folder and mask: the mask lasts until another folder")
            << "logs/*.log"
            << "logs" << QStringList{"a.log", "C.LOG"} << "logs/*.log";
        QTest::newRow("folder and name: the file is selected")
            << "logs/b.txt"
            << "logs" << QStringList{"a.log", "b.txt", "C.LOG"} << "%1/logs/b.txt";
        QTest::newRow("a name not listed selects nothing")
            << "logs/none.txt"
            << "logs" << QStringList{"a.log", "b.txt", "C.LOG"} << "";
        QTest::newRow("the folder shown goes: the nearest one above is shown")
            << "gone"
            << "logs" << QStringList{"a.log", "b.txt", "C.LOG"} << "";
    }
    void browsing() {
        QFETCH(QString, typed);
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(QString, pathText);
        TempDir dir;
        const QString tree = QFileInfo(dir.path()).canonicalFilePath();
        QDir(tree).mkpath("logs/deep/er");
        for (const char* n : {"logs/a.log", "logs/b.txt", "logs/C.LOG"})
            dir.write(QLatin1String(n), "x");
        const QString cwd = QDir::currentPath();
        FileBrowser list;
        list.enter(tree);
        if (typed == "gone") {
            list.enter(tree + "/logs/deep/er");
            QVERIFY(QDir(tree + "/logs/deep").removeRecursively());
            QVERIFY(list.reread() & FileBrowser::Folder);
        } else {
            list.applyTyped(typed); // relative to the folder shown
        }
        QCOMPARE(list.folder(), tree + "/" + folder);
        QCOMPARE(list.files(), files);
        QCOMPARE(list.pathText(), pathText.replace("%1", tree));
        QCOMPARE(QDir::currentPath(), cwd);
        // Picking a file or a re-read keeps the list; entering a folder
        // brings the current mask back.
        list.select(0);
        QCOMPARE(list.files(), files);
        QCOMPARE(list.pathText(), tree + "/logs/a.log");
        dir.write("logs/d.log", "x");
        list.reread();
        QCOMPARE(list.files().size(), files.size() + 1);
        QCOMPARE(list.pathText(), tree + "/logs/a.log");
        list.enter(list.folder());
        QCOMPARE(list.files(), (QStringList{"a.log", "b.txt", "C.LOG", "d.log"}));
    }

    void programPicture() {
        TempDir dir;
        dir.write("setup.EXE", "x");
        dir.write("run.sh", "x");
        dir.write("notes.txt", "x");
        ::chmod(QFile::encodeName(dir.file("run.sh")).constData(), 0755);
        QVERIFY(maskfilter::isProgram(dir.path(), "setup.EXE"));
        QVERIFY(maskfilter::isProgram(dir.path(), "run.sh"));
        QVERIFY(!maskfilter::isProgram(dir.path(), "notes.txt"));
    }

    void filterParsing_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("lastMask");
        QTest::newRow("design list plus one: eighth name last")
            << filterlist::append(filterlist::designList(), "Log files (*.log)|*.log")
            << QStringList{"All files (*.*)",   "Text Files (*.txt)", "Rich Edit Files (*.rtf)",
                           "Exe Files (*.exe)", "Com Files (*.com)",  "Bat Files (*.bat)",
                           "Doc Files (*.doc)", "Log files (*.log)"}
            << "*.log";
        QTest::newRow("trailing name without a mask is dropped")
            << "A|*.a|B|*.b|Orphan" << QStringList{"A", "B"} << "*.b";
        QTest::newRow("several masks in one entry")
            << "Text (*.txt;*.rtf)|*.txt;*.rtf" << QStringList{"Text (*.txt;*.rtf)"}
            << "*.txt;*.rtf";
        QTest::newRow("empty") << "" << QStringList{} << "";
    }
    void filterParsing() {
        QFETCH(QString, list);
        QFETCH(QStringList, names);
        QFETCH(QString, lastMask);
        const auto filters = filterlist::parse(list);
        QStringList got;
        for (const auto& f : filters)
            got << f.name;
        QCOMPARE(got, names);
        QCOMPARE(filters.isEmpty() ? QString() : filters.last().mask, lastMask);
    }

    void freshSystemIsRegistryAndFirstWriteCreatesKey() {
        TempDir dir;
        ControlFile file(dir.write("TabdeckV10.INI", "[BUTTON]\r\n1=\r\n"));
        UserRegistry registry;
        PathnookSettings s(file, registry);
        QCOMPARE(s.readMode(), Mode::Registry);
        QVERIFY(!s.read().value[PathnookSettings::BackColor]);
        QVERIFY(!QFile::exists(registryFile()));
        s.write(PathnookSettings::BackColor, "clRed");
        QCOMPARE(registryValue("BackColor").toString(), QString("clRed"));
        QCOMPARE(iniValue(file, "PATHNOOK", "BackColor"), QString());
    }

    // The store's file is read only when it is a regular file under the
    // cap: anything else is a key that cannot be opened, and is left as it is.
    void storeFileThatMustNotBeRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("used");
        QTest::newRow("FIFO") << "fifo" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("one byte past the cap") << "past" << false;
        QTest::newRow("at the cap") << "at" << true;
    }
    void storeFileThatMustNotBeRead() {
        QFETCH(QString, kind);
        QFETCH(bool, used);
        const QByteArray path = QFile::encodeName(registryFile());
        QDir().mkpath(QFileInfo(registryFile()).absolutePath());
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(registryFile()));
        } else {
            QByteArray text = "[Options]\nFileMask=*.log\n;";
            const qint64 size = UserRegistry::storeCap + (kind == "past" ? 1 : 0);
            text += QByteArray(size - text.size() - 1, 'x') + '\n';
            QFile f(registryFile());
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == size);
        }
        struct stat before {};
        ::lstat(path.constData(), &before);
        TempDir dir;
        ControlFile file(dir.write("TabdeckV10.INI", "[BUTTON]\r\n1=\r\n"));
        UserRegistry registry;
        PathnookSettings s(file, registry);
        // Showing the window reads the store; it must come back at once.
        auto done = std::async(std::launch::async, [&] {
            QString failed;
            const auto mask = s.read().value[PathnookSettings::FileMask];
            try {
                s.write(PathnookSettings::FileMask, "*.txt");
            } catch (const AppError& e) {
                failed = e.text();
            }
            return std::make_pair(mask, failed);
        });
        if (done.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            // Let each blocked open go (a bounded number of times) before failing.
            for (int i = 0; i < 100; ++i) {
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
                if (done.wait_for(std::chrono::milliseconds(100)) == std::future_status::ready)
                    break;
            }
            QFAIL("reading the store blocked");
        }
        const auto [mask, failed] = done.get();
        QCOMPARE(mask.has_value(), used);
        QCOMPARE(failed, used ? QString() : QString("Failed to set data for 'FileMask'"));
        struct stat after {};
        ::lstat(path.constData(), &after);
        if (!used) {
            QCOMPARE(after.st_mode, before.st_mode);
            QCOMPARE(after.st_size, before.st_size);
        }
        if (kind == "folder")
            QDir().rmdir(registryFile());
    }

    void iniReadsOnlySetValues() {
        TempDir dir;
        ControlFile file(dir.write("TabdeckV10.INI", "[REGSETUP]\r\nSwitch=1\r\n[PATHNOOK]\r\n"
                                                     "BackColor=\r\nFileMask=*.\r\n"));
        UserRegistry registry;
        PathnookSettings s(file, registry);
        QCOMPARE(s.readMode(), Mode::Ini);
        const auto v = s.read();
        QVERIFY(!v.value[PathnookSettings::FileMask]); // two characters: "*.*" stays
        QVERIFY(!v.value[PathnookSettings::BackColor]);
    }

    void defaultColorInIniAcrossRestart() {
        TempDir dir;
        const QString path = dir.write("TabdeckV10.INI", "[REGSETUP]\r\nSwitch=1\r\n");
        {
            ControlFile file(path);
            UserRegistry registry;
            PathnookSettings s(file, registry);
            s.readMode();
            s.write(PathnookSettings::BackColor, "clNavy");
            s.clearColor();
        }
        ControlFile file(path);
        UserRegistry registry;
        PathnookSettings s(file, registry);
        QCOMPARE(s.readMode(), Mode::Ini);
        QVERIFY(file.read("PATHNOOK", "BackColor", 40).text.isEmpty());
        QVERIFY(!s.read().value[PathnookSettings::BackColor]);
        QVERIFY(!QFile::exists(registryFile()));
    }

    void iniSwitchPressedTwice() {
        TempDir dir;
        ControlFile file(dir.file("TabdeckV10.INI")); // no control file yet
        UserRegistry registry;
        PathnookSettings s(file, registry);
        s.write(PathnookSettings::FileMask, "*.log");
        ScriptedPrompts prompts;
        prompts.expectBox(Prompts::Yes).expectBox();
        s.switchToIni(prompts, nullptr);
        QCOMPARE(prompts.boxes()[0].text,
                 QString("Is it OK to Delete the Key (Pathnook) and lose it's Values?"));
        QCOMPARE(prompts.lastBox().text,
                 QString("The Key Pathnook was cleared from the Registry."));
        QCOMPARE(iniValue(file, "REGSETUP", "Switch"), QString("1"));
        QCOMPARE(iniValue(file, "PATHNOOK", "FileMask"), QString("*.log"));
        QVERIFY(iniValue(file, "HELP_INFORMATION", "Pathnook").startsWith("If you make changes"));
        QVERIFY(!QFile::exists(registryFile()));
        prompts.clear();
        prompts.expectBox(Prompts::Yes).expectBox();
        s.switchToIni(prompts, nullptr);
        QCOMPARE(prompts.lastBox().text, QString("The Key Pathnook does not Exixts the Registry."));
        QVERIFY(prompts.allUsed());
    }

    void switchToRegistryCarriesLongFilterAndSkipsUnread() {
        TempDir dir;
        QString longList = filterlist::designList();
        while (longList.size() < 1000)
            longList = filterlist::append(longList, "Log files (*.log)|*.log");
        ControlFile file(dir.write("TabdeckV10.INI", "[REGSETUP]\r\nSwitch=1\r\n"));
        file.write("PATHNOOK", "FileFilter", longList);
        file.write("PATHNOOK", "FileMask", "*.log");
        UserRegistry registry;
        PathnookSettings s(file, registry);
        QCOMPARE(s.readMode(), Mode::Ini);
        ScriptedPrompts prompts;
        prompts.expectBox();
        s.switchToRegistry(prompts, nullptr);
        QCOMPARE(prompts.lastBox().text,
                 QString("The Setup information was, and will be saved in the Registry!"));
        QCOMPARE(registryValue("FileFilter").toString(), longList);
        QCOMPARE(registryValue("FileMask").toString(), QString("*.log"));
        QVERIFY(!registryValue("BackColor").isValid()); // never read: not written empty
        QVERIFY(file.read("REGSETUP", "Switch", 10).text.isEmpty());
        QCOMPARE(s.readMode(), Mode::Registry);
        QCOMPARE(*s.read().value[PathnookSettings::FileFilter], longList);
    }

    // A change made in registry mode is what a later switch carries.
    void switchKeepsChangesMadeAfterReading() {
        TempDir dir;
        ControlFile file(dir.write("TabdeckV10.INI", "[BUTTON]\r\n1=\r\n"));
        UserRegistry registry;
        PathnookSettings s(file, registry);
        s.write(PathnookSettings::BackColor, "clRed");
        s.read();
        s.write(PathnookSettings::BackColor, "clBlue");
        ScriptedPrompts prompts;
        prompts.expectBox();
        s.switchToRegistry(prompts, nullptr);
        QCOMPARE(registryValue("BackColor").toString(), QString("clBlue"));
    }

    void createFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notice"); // "" for success; %1 = new path
        QTest::newRow("new") << "NewFolder"
                             << "";
        QTest::newRow("empty name: the folder itself exists")
            << ""
            << "Directory %1 already Exists!\rTry a new name!";
        QTest::newRow("existing") << "old"
                                  << "Directory %1 already Exists!\rTry a new name!";
        QTest::newRow("missing parent") << "no/such"
                                        << "ERROR: Cannot create (folder) directory %1\rTry again!";
    }
    void createFolder() {
        QFETCH(QString, name);
        QFETCH(QString, notice);
        TempDir dir;
        QDir(dir.path()).mkdir("old");
        ScriptedPrompts prompts;
        prompts.expectBox(Prompts::Yes);
        if (!notice.isEmpty())
            prompts.expectBox();
        FolderOps ops(prompts, nullptr);
        const QString path = FolderOps::join(dir.path(), name);
        QCOMPARE(ops.createFolder(dir.path(), name), notice.isEmpty());
        QCOMPARE(prompts.boxes()[0].text,
                 "Are you sure you want to create (Folder) Diredtory " + path + "?");
        if (!notice.isEmpty())
            QCOMPARE(prompts.lastBox().text, notice.arg(path));
        QCOMPARE(QFileInfo(path).isDir(), name != "no/such");
        QVERIFY(prompts.allUsed());
    }

    void removeFolder_data() {
        QTest::addColumn<bool>("holdsFile");
        QTest::addColumn<QString>("remembered"); // "target", "inside", "parent"
        QTest::addColumn<bool>("removed");
        QTest::newRow("holds a file") << true << "parent" << false;
        QTest::newRow("remembered is the target") << false << "target" << true;
        QTest::newRow("remembered lies inside") << false << "inside" << true;
        QTest::newRow("remembered elsewhere") << false << "parent" << true;
    }
    void removeFolder() {
        QFETCH(bool, holdsFile);
        QFETCH(QString, remembered);
        QFETCH(bool, removed);
        TempDir dir;
        const QString saved = QDir::currentPath();
        const QString target = dir.file("t");
        QDir(dir.path()).mkpath("t/in");
        if (remembered != "inside")
            QDir(target).rmdir("in");
        if (holdsFile)
            dir.write("t/file.txt", "x");
        const QString from = remembered == "target"   ? target
                             : remembered == "inside" ? target + "/in"
                                                      : dir.path();
        ScriptedPrompts prompts;
        prompts.expectBox(Prompts::Yes);
        if (!removed)
            prompts.expectBox();
        FolderOps ops(prompts, nullptr);
        if (remembered == "inside")
            QDir(target).rmdir("in"); // emptied by another program meanwhile
        const auto show = ops.removeFolder(target, from);
        QCOMPARE(QDir::currentPath(), saved); // the process's folder is not used
        QCOMPARE(show.has_value(), removed);
        QCOMPARE(QFileInfo(target).isDir(), !removed);
        if (removed) {
            QCOMPARE(*show, QFileInfo(dir.path()).canonicalFilePath());
        } else {
            QCOMPARE(prompts.lastBox().text, "ERROR: Could NOT Remove Directory " + target +
                                                 "!\rCannot Remove a Directory that is not Empty!");
        }
    }

    void removeFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        QTest::newRow("nothing selected") << "" << false;
        QTest::newRow("a folder never reaches the remove call") << "sub" << false;
        QTest::newRow("a link goes as the link") << "link" << true;
        QTest::newRow("a file") << "file.txt" << true;
    }
    void removeFile() {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        TempDir dir;
        dir.write("file.txt", "keep");
        QDir(dir.path()).mkdir("sub");
        QFile::link(dir.file("file.txt"), dir.file("link"));
        const QString path = name.isEmpty() ? QString() : dir.file(name);
        ScriptedPrompts prompts;
        prompts.expectBox(Prompts::Yes);
        if (!removed)
            prompts.expectBox();
        FolderOps ops(prompts, nullptr);
        QCOMPARE(ops.removeFile(path), removed);
        QCOMPARE(prompts.boxes()[0].text, "Are you sure you want to Remove File:\r" + path + "?");
        if (!removed)
            QCOMPARE(prompts.lastBox().text,
                     "ERROR: Could NOT Remove File " + path + "!\rCannot Remove Read Only Files!");
        QVERIFY(QFileInfo(dir.path() + "/sub").isDir());
        QCOMPARE(QFileInfo::exists(dir.file("file.txt")), name != "file.txt");
        if (name == "link")
            QCOMPARE(QFile(dir.file("file.txt")).size(), qint64(4));
    }

    // Refusals of the platform as an ordinary user.
    void refusals_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("create in a read-only folder") << "create";
        QTest::newRow("remove a folder from a read-only folder") << "remove-folder";
        QTest::newRow("file of another user in a sticky folder") << "remove-file";
    }
    void refusals() {
        QFETCH(QString, kind);
        if (::geteuid() != 0)
            QSKIP("needs root to run a step as nobody");
        TempDir dir;
        const QByteArray base = QFile::encodeName(dir.path());
        QDir(dir.path()).mkpath("ro/gone");
        QDir(dir.path()).mkdir("sticky");
        dir.write("sticky/theirs.txt", "x");
        ::chmod(base.constData(), 0755);
        ::chmod((base + "/ro").constData(), 0555);
        ::chmod((base + "/sticky").constData(), 01777);
        Run r;
        QString expected;
        if (kind == "create") {
            r = asNobody({"create", dir.file("ro"), "new"});
            expected =
                "ERROR: Cannot create (folder) directory " + dir.file("ro/new") + "|Try again!";
        } else if (kind == "remove-folder") {
            r = asNobody({"remove-folder", dir.file("ro/gone"), dir.path()});
            expected = "ERROR: Could NOT Remove Directory " + dir.file("ro/gone") +
                       "!|Cannot Remove a Directory that is not Empty!";
        } else {
            r = asNobody({"remove-file", dir.file("sticky/theirs.txt")});
            expected = "ERROR: Could NOT Remove File " + dir.file("sticky/theirs.txt") +
                       "!|Cannot Remove Read Only Files!";
        }
        ::chmod((base + "/ro").constData(), 0755);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, expected);
        QVERIFY(QFileInfo(dir.file("ro/gone")).isDir());
        QVERIFY(!QFileInfo::exists(dir.file("ro/new")));
        QVERIFY(QFileInfo::exists(dir.file("sticky/theirs.txt")));
    }
};

TABDECK_TEST(FileManagerLogicTest)
#include "FileManagerLogicTest.moc"
