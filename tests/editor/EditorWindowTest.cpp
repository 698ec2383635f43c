#include "RecordingOpener.h"
#include "RecordingStripValues.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "core/Opener.h"
#include "editor/EditSession.h"
#include "editor/window/TEdDlg.h"
#include "strip/ShownSettings.h"
#include "strip/StartupSettings.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::RecordingOpener;
using testsupport::ScriptedPrompts;
using P = Prompts;

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The real editor window on a control file in a temporary program folder.
struct Editor {
    testsupport::TempDir dir;
    std::unique_ptr<ControlFile> file;
    ScriptedPrompts prompts;
    RecordingOpener opener;
    AppContext context;
    std::unique_ptr<TEdDlg> window;

    explicit Editor(const QByteArray& initial = "[BUTTON]\r\n1=/bin/true\r\n") {
        context.paths = ProgramPaths::fromExecutable(dir.file("TabdeckV10"), dir.path());
        if (!initial.isNull())
            dir.write("TabdeckV10.INI", initial);
        file = std::make_unique<ControlFile>(context.paths.controlFile);
        context.controlFile = file.get();
        context.prompts = &prompts;
        context.opener = &opener;
        window = std::make_unique<TEdDlg>(context);
    }
    QString path() const { return context.paths.controlFile; }
    QString backup() const { return context.paths.programBasePath + ".bak"; }
    QByteArray disk() const { return contentOf(path()); }
    QPlainTextEdit* memo() const { return window->findChild<QPlainTextEdit*>("Memo1"); }
    EditSession& s() { return window->session(); }
    void show() {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get(), 5000));
    }
    void type(const QString& text) {
        memo()->setFocus();
        QTest::keyClicks(memo(), text);
    }
    void click(const char* name) {
        QTest::mouseClick(window->findChild<QToolButton*>(name), Qt::LeftButton);
    }
    QStringList boxTexts() const {
        QStringList out;
        for (const auto& b : prompts.boxes())
            out << b.text;
        return out;
    }
};

// The strip as it starts on the control file: its start-up steps over a
// view of values.
struct StripStart {
    testsupport::RecordingStripValues view;
    ShownSettings settings;
    explicit StripStart(AppContext& context) : settings(view, *context.controlFile) {
        runFormCreate(view, context, settings);
        writeFirstRunFile(context);
    }
    QString tableA(int t) { return view.menus().tableA[t]->text(); }
};

const QString SureSave = "Are you sure you want to save the changes you made to the control file?";
const QString Saved = "The changes you made to the control file were saved.";
const QString NotSaved = "The changes you made to the control file were NOT saved.";
const QString Changed = "The control file was changed since it was loaded. Replace it with the "
                        "text in the editor?";
const QString CloseAsk = "Do you want to save the changes you made to the control file?";

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void windowShape() {
        Editor e;
        QCOMPARE(e.window->windowTitle(), QString("Edit the Control (*.ini) File"));
        QStringList captions;
        for (const char* name : {"OpenFileBtn", "SaveAsBtn", "SaveBtn", "BackUpBtn", "RestoreBtn",
                                 "OptionsMenuBtn", "HelpBtn", "CloseBtn"})
            captions << e.window->findChild<QToolButton*>(name)->text();
        QCOMPARE(captions, QStringList({"Open", "Save As", "Save Changes", "Back Up", "Restore",
                                        "Options", "Help", "Close"}));
        QVERIFY(e.window->findChild<QAction*>("False1")->isChecked());
        QCOMPARE(e.memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(e.memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!e.memo()->tabChangesFocus());
    }

    // Showing loads the file; typing and Save Changes write it with CR LF, the
    // rest byte for byte.
    void typeAndSave() {
        Editor e;
        e.show();
        QCOMPARE(e.memo()->toPlainText(), QString("[BUTTON]\n1=/bin/true\n"));
        QCOMPARE(e.window->statusBar1()->currentMessage(), e.path());
        e.memo()->moveCursor(QTextCursor::End);
        e.type("2=/bin/ls\t#x");
        QVERIFY(e.s().modified());
        e.prompts.expectBox(P::Yes).expectBox(P::Ok);
        e.click("SaveBtn");
        QCOMPARE(e.boxTexts(), QStringList({SureSave, Saved}));
        QCOMPARE(e.prompts.boxes().first().caption, QString("Save Changes?"));
        QCOMPARE(e.prompts.boxes().first().icon, P::Icon::Question);
        QCOMPARE(e.disk(), QByteArray("[BUTTON]\r\n1=/bin/true\r\n2=/bin/ls\t#x\r\n"));
        QVERIFY(!e.s().modified());
        e.window->close(); // no question: saved
        QVERIFY(e.prompts.allUsed());
    }

    // An arrow key changes nothing and still counts as an edit.
    void arrowKeySetsFlag() {
        Editor e;
        e.show();
        QVERIFY(!e.s().modified());
        e.memo()->setFocus();
        QTest::keyClick(e.memo(), Qt::Key_Down);
        QVERIFY(e.s().modified());
        e.prompts.expectBox(P::Cancel);
        QVERIFY(!e.window->close());
        QCOMPARE(e.boxTexts(), QStringList({CloseAsk}));
        QVERIFY(e.window->isVisible());
    }

    void backUpAndRestore() {
        Editor e;
        e.show();
        // Right after showing: a copy of the file's text.
        e.prompts.expectBox(P::Yes).expectBox(P::Ok);
        e.click("BackUpBtn");
        QCOMPARE(contentOf(e.backup()), e.disk());
        QCOMPARE(e.prompts.lastBox().text,
                 "The control file:\r" + e.path() + "\rwas backed up as:\r" + e.backup());
        // After edits: the edited text; the control file stays as it was.
        const QByteArray before = e.disk();
        e.memo()->moveCursor(QTextCursor::End);
        e.type("[X]");
        e.prompts.expectBox(P::Yes).expectBox(P::Ok);
        e.click("BackUpBtn");
        QCOMPARE(contentOf(e.backup()), before + "[X]\r\n");
        QCOMPARE(e.disk(), before);
        // No save question on close after Back Up.
        QVERIFY(e.window->close());
        e.show();
        // Restore refused: no question at close either.
        e.type("zz");
        e.prompts.expectBox(P::No).expectBox(P::Ok);
        e.click("RestoreBtn");
        QCOMPARE(e.prompts.lastBox().text, QString("The Control File was NOT Restored!"));
        QVERIFY(e.window->close());
        e.show();
        e.prompts.expectBox(P::Yes).expectBox(P::Ok);
        e.click("RestoreBtn");
        QCOMPARE(e.disk(), before + "[X]\r\n");
        QCOMPARE(e.memo()->toPlainText(), QString::fromUtf8(before + "[X]\n").remove('\r'));
        QVERIFY(e.prompts.allUsed());
    }

    // A control file holding bytes that are no UTF-8 (Linux paths are
    // bytes): Back Up and Save Changes without an edit write it as it is; an
    // edit keeps the bytes of every other line.
    void bytesKept() {
        const QByteArray file("[BUTTON]\r\n1=/home/u/bad\xff.txt\r\n2=caf\xe9\n[X]\rk=\x00z", 45);
        Editor e(file);
        e.show();
        e.prompts.expectBox(P::Yes).expectBox(P::Ok).expectBox(P::Yes).expectBox(P::Ok);
        e.click("BackUpBtn");
        e.click("SaveBtn");
        QCOMPARE(contentOf(e.backup()), file);
        QCOMPARE(e.disk(), file);
        e.memo()->moveCursor(QTextCursor::Start);
        e.memo()->moveCursor(QTextCursor::EndOfLine);
        e.type("X");
        e.prompts.expectBox(P::Yes).expectBox(P::Ok);
        e.click("SaveBtn");
        QCOMPARE(e.disk(), "[BUTTON]X\r\n" + file.mid(10));
        QVERIFY(e.prompts.allUsed());
    }

    void restoreWithoutBackup() {
        Editor e;
        e.show();
        e.type("q");
        e.prompts.expectBox(P::Ok);
        e.click("RestoreBtn");
        QCOMPARE(e.boxTexts(), QStringList({"There is no back up file to restore with!"}));
        QVERIFY(e.window->close());
    }

    // A copy opened and saved replaces the control file; the status line
    // names the copy.
    void openCopyThenSave() {
        Editor e;
        const QString copy = e.dir.write("copy.ini", "[TABLENAME]\r\n1=Copied\r\n");
        e.show();
        e.prompts.expectFile(copy);
        e.click("OpenFileBtn");
        QCOMPARE(e.prompts.shown().first().fileDialog.title, QString("Open a Control File"));
        QCOMPARE(e.s().fileName(), copy);
        QCOMPARE(e.window->statusBar1()->currentMessage(), copy);
        e.prompts.expectBox(P::Yes).expectBox(P::Ok);
        e.click("SaveBtn");
        QCOMPARE(e.disk(), QByteArray("[TABLENAME]\r\n1=Copied\r\n"));
        QCOMPARE(contentOf(copy), QByteArray("[TABLENAME]\r\n1=Copied\r\n"));
    }

    // The mend: a change on disk after loading is not overwritten silently.
    void changedOnDisk_data() {
        QTest::addColumn<bool>("viaClose");
        QTest::addColumn<int>("answer");
        QTest::newRow("save, keep file") << false << int(P::No);
        QTest::newRow("save, replace") << false << int(P::Yes);
        QTest::newRow("close, keep file") << true << int(P::No);
        QTest::newRow("close, replace") << true << int(P::Yes);
    }
    void changedOnDisk() {
        QFETCH(bool, viaClose);
        QFETCH(int, answer);
        Editor e;
        e.show();
        e.type("mine");
        // The strip writes a key meanwhile, through its own reader.
        ControlFile other(e.path());
        other.write("BUTTON", "5", "/usr/bin/dropped");
        const QByteArray theirs = e.disk();
        e.prompts.expectBox(P::Yes).expectBox(P::Button(answer));
        if (answer == P::Yes)
            e.prompts.expectBox(P::Ok);
        bool closed = false;
        if (viaClose)
            closed = e.window->close();
        else
            e.click("SaveBtn");
        QCOMPARE(e.boxTexts().value(1), Changed);
        QCOMPARE(e.prompts.boxes().value(1).caption, QString("Save Changes?"));
        if (answer == P::No) {
            QCOMPARE(e.disk(), theirs);
            QVERIFY(e.memo()->toPlainText().startsWith("mine"));
            QVERIFY(e.s().modified());
            QVERIFY(!closed && e.window->isVisible());
        } else {
            QVERIFY(e.disk().startsWith("mine[BUTTON]"));
            QCOMPARE(closed, viaClose);
        }
        QVERIFY(e.prompts.allUsed());
    }

    // The mend: font and word wrap chosen while the window shows survive a
    // later Save Changes; strike-out leaves Style alone.
    void fontAndWrapSurviveSave() {
        Editor e("[EDFONT]\r\nStyle=5\r\n[BUTTON]\r\n1=x\r\n");
        e.show();
        e.memo()->moveCursor(QTextCursor::End);
        e.type("2=y");
        QFont chosen("Serif");
        chosen.setPointSize(15);
        chosen.setItalic(true);
        chosen.setStrikeOut(true);
        e.prompts.expectFontAndColor(P::FontChoice{chosen, QColor(255, 0, 0)});
        e.window->findChild<QAction*>("Font1")->trigger();
        e.window->findChild<QAction*>("True1")->trigger();
        QCOMPARE(e.memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(e.memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        const QByteArray keys = "[EDFONT]\r\nStyle=5\r\nFontFace=" + chosen.family().toUtf8() +
                                "\r\nFontSize=15\r\nFontColor=clRed\r\n";
        QCOMPARE(e.disk(), keys + "[BUTTON]\r\n1=x\r\n[EDWORDWRAP]\r\n1=True\r\n");
        QCOMPARE(e.memo()->font().pointSize(), 15);
        // Our own writes are no change by someone else: no extra question.
        e.prompts.expectBox(P::Yes).expectBox(P::Ok);
        e.click("SaveBtn");
        QCOMPARE(e.disk(), keys + "[BUTTON]\r\n1=x\r\n2=y\r\n[EDWORDWRAP]\r\n1=True\r\n");
        QVERIFY(e.prompts.allUsed());
        // The next start reads them back.
        Editor again(e.disk());
        QCOMPARE(again.s().look().editor.pointSize, 15);
        QVERIFY(again.s().look().wordWrap);
        QVERIFY(again.window->findChild<QAction*>("True1")->isChecked());
    }

    void saveAsAndHelp() {
        Editor e;
        e.show();
        e.type("#");
        const QString target = e.dir.file("saved.ini");
        e.prompts.expectFile(target).expectBox(P::Ok);
        e.click("SaveAsBtn");
        const auto dialog = e.prompts.shown().first().fileDialog;
        QCOMPARE(dialog.title, QString("Save the Control File As..."));
        QCOMPARE(dialog.file, QString("ControlFile.*"));
        QCOMPARE(contentOf(target), QByteArray("#[BUTTON]\r\n1=/bin/true\r\n"));
        QCOMPARE(e.prompts.lastBox().text, "The file was saved as:\r" + target);
        QVERIFY(e.s().modified()); // Save As keeps the flag
        e.click("HelpBtn");        // no help file beside the program: silent
        QVERIFY(e.opener.opened.isEmpty());
        e.dir.write("EditHelp.txt", "help");
        e.click("HelpBtn");
        QCOMPARE(e.opener.opened, QStringList({e.dir.file("EditHelp.txt")}));
    }

    // A folder the user may not write: the error names the file, which stays.
    void failedWrite() {
        if (::geteuid() == 0) {
            // Root writes into read-only folders: run this case as nobody.
            QProcess child;
            child.start("runuser", {"-u", "nobody", "--", QCoreApplication::applicationFilePath(),
                                    "-class", "EditorWindowTest", "failedWrite"});
            QVERIFY(child.waitForFinished(60000));
            const QByteArray out = child.readAll();
            QVERIFY2(child.exitCode() == 0 &&
                         out.contains("PASS   : EditorWindowTest::failedWrite"),
                     out.constData());
            return;
        }
        Editor e;
        e.show();
        e.type("lost?");
        const QByteArray before = e.disk();
        QVERIFY(::chmod(QFile::encodeName(e.dir.path()).constData(), 0555) == 0);
        e.prompts.expectBox(P::Yes).expectBox(P::Ok);
        e.click("SaveBtn");
        ::chmod(QFile::encodeName(e.dir.path()).constData(), 0755);
        QCOMPARE(e.prompts.lastBox().text, "Cannot create file " + e.path() + ".");
        QCOMPARE(e.prompts.lastBox().icon, P::Icon::Error);
        QCOMPARE(e.disk(), before);
        QVERIFY(e.s().modified());
    }

    // The strip reads the saved text at its next start.
    void renamedTableAfterRestart() {
        testsupport::TempDir dir;
        AppContext context;
        context.paths = ProgramPaths::fromExecutable(dir.file("TabdeckV10"), dir.path());
        ControlFile file(context.paths.controlFile);
        ScriptedPrompts prompts;
        RecordingOpener opener;
        context.controlFile = &file;
        context.prompts = &prompts;
        context.opener = &opener;
        // The strip's start-up steps, as its window runs them.
        auto strip = std::make_unique<StripStart>(context);
        QCOMPARE(strip->tableA(3), QString("Table 3"));
        TEdDlg editor(context);
        editor.show();
        auto* memo = editor.findChild<QPlainTextEdit*>("Memo1");
        QString text = memo->toPlainText();
        QVERIFY(text.contains("[TABLENAME]\n1=\n2=\n3=\n"));
        text.replace("[TABLENAME]\n1=\n2=\n3=\n", "[TABLENAME]\n1=\n2=\n3=Games\n");
        memo->setPlainText(text);
        prompts.expectBox(P::Yes).expectBox(P::Ok);
        QTest::mouseClick(editor.findChild<QToolButton*>("SaveBtn"), Qt::LeftButton);
        QCOMPARE(strip->tableA(3), QString("Table 3")); // not reloaded
        strip.reset();
        strip = std::make_unique<StripStart>(context);
        QCOMPARE(strip->tableA(3), QString("Games"));
    }
};

TABDECK_TEST(EditorWindowTest)
#include "EditorWindowTest.moc"
