#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "core/Opener.h"
#include "core/ProgramPaths.h"
#include "dialogs/HelpFile.h"
#include "editor/EditSession.h"
#include "graphics/Picture.h"
#include "mail/AddressBook.h"
#include "mail/MailText.h"
#include "viewer/RecentList.h"

#include <QFile>
#include <QTest>
#include <QTextDocument>

namespace {

constexpr qint64 MB = 1024 * 1024;

struct NoOpener : Opener {
    void open(QObject*, const QString&) override {}
};

struct PlainView : EditorView {
    QString shown;
    QString text() const override { return shown; }
    void setText(const QString& t) override { shown = t; }
    void patchText(const QString& t) override { shown = t; }
    void showFileName(const QString&) override {}
    void applyFont(const EditorFont&) override {}
    void applyWordWrap(bool) override {}
    QColor screenColor(uint32_t) const override { return {}; }
};

// Restores the control file from a backup at `path`, as the editor's Restore does.
void restoreFrom(const QString& path) {
    const QString base = path.chopped(4); // the backup is the base path + ".bak"
    QFile ini(base + QStringLiteral(".INI"));
    QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write("[A]\r\n") == 5);
    ini.close();
    ControlFile file(ini.fileName());
    testsupport::ScriptedPrompts prompts;
    prompts.expectBox(Prompts::Yes);
    NoOpener opener;
    ProgramPaths paths;
    paths.programBasePath = base;
    PlainView view;
    EditSession session(file, prompts, opener, paths, view, nullptr, nullptr);
    session.show();
    session.restore();
}

} // namespace

// Every reader that refuses a file for its size says which limit refused it,
// in its own words otherwise; a file at the limit is not refused for it.
class SizeLimitTest : public QObject {
    Q_OBJECT
private slots:
    void refusalNamesLimit_data() {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("message"); // %1: the file's path
        const QString over64 = QStringLiteral(
            "Cannot open file %1: the file is larger than 64 MB, the most the program reads");
        QTest::newRow("mail body") << "mail"
                                   << "body.txt" << 64 * MB + 1 << over64;
        QTest::newRow("address book") << "addresses"
                                      << "MainEmail.lst" << 64 * MB + 1 << over64;
        QTest::newRow("recent pictures") << "recent"
                                         << "PicFile.lst" << 64 * MB + 1 << over64;
        QTest::newRow("picture") << "picture"
                                 << "photo.jpg" << 64 * MB + 1 << over64;
        QTest::newRow("backup to restore") << "restore"
                                           << "TabdeckV10.bak" << 70 * MB << over64;
        QTest::newRow("help text")
            << "help"
            << "ExtensiveHelp.hlp" << 16 * MB + 1
            << "Failed to Load Stream: the file is larger than 16 MB, the most the program reads";
    }
    void refusalNamesLimit() {
        QFETCH(QString, reader);
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(QString, message);
        testsupport::TempDir dir;
        const QString path = dir.write(name, {});
        QVERIFY(QFile::resize(path, size)); // sparse: no disk space taken
        QString error;
        try {
            if (reader == "mail") {
                mailtext::loadBody(path, false);
            } else if (reader == "addresses") {
                AddressBook(path, dir.file("MainName.lst")).reload();
            } else if (reader == "recent") {
                RecentList(path).load();
            } else if (reader == "picture") {
                Picture::load(path);
            } else if (reader == "restore") {
                restoreFrom(path);
            } else {
                QTextDocument document;
                helpfile::load(path, document);
            }
        } catch (const AppError& e) {
            error = e.text();
        }
        QCOMPARE(error, message.arg(path));
    }
};

TABDECK_TEST(SizeLimitTest)
#include "SizeLimitTest.moc"
