#include "core/DefaultControlFile.h"
#include "RecordingOpener.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "core/Opener.h"
#include "core/ProgramPaths.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using testsupport::RecordingOpener;
using testsupport::TempDir;

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class DefaultControlFileTest : public QObject {
    Q_OBJECT
private slots:
    void freshFileHasFourSections() {
        TempDir dir;
        const ProgramPaths paths = ProgramPaths::fromExecutable(dir.file("TabdeckV10"), dir.path());
        ControlFile file(paths.controlFile);
        RecordingOpener opener;
        createDefaultControlFile(file, paths, opener, nullptr);

        const QByteArray bytes = contentOf(paths.controlFile);
        const QList<QByteArray> lines = bytes.split('\n');
        QVERIFY(bytes.endsWith("\r\n"));
        QStringList sections;
        int keys = 0;
        QMap<QString, int> perSection;
        for (QByteArray line : lines) {
            if (line.isEmpty())
                continue;
            QVERIFY2(line.endsWith('\r'), line.constData());
            line.chop(1);
            if (line.startsWith('[')) {
                sections << QString::fromUtf8(line);
            } else {
                QVERIFY(line.contains('='));
                ++keys;
                ++perSection[sections.last()];
            }
        }
        QCOMPARE(sections,
                 QStringList({"[HELP_INFORMATION]", "[BUTTON]", "[ICON]", "[TABLENAME]"}));
        QCOMPARE(keys, 1 + 360 + 360 + 30);
        QCOMPARE(perSection["[BUTTON]"], 360);
        QCOMPARE(perSection["[ICON]"], 360);
        QCOMPARE(perSection["[TABLENAME]"], 30);
        QVERIFY(bytes.contains("[BUTTON]\r\n1=\r\n2=\r\n"));
        QVERIFY(bytes.contains("360=\r\n[ICON]\r\n1=\r\n"));
        QVERIFY(bytes.endsWith("29=\r\n30=\r\n"));

        const auto notice = file.read("HELP_INFORMATION", "TabdeckV10", 4096);
        QVERIFY(notice.text.startsWith(
            "If you make changes to this file remember to save this file after the changes. DO "
            "NOT remove [BUTTON] or 1= etc. Only remove or add the text after the = sign......"));
        QVERIFY(notice.text.size() > 170); // the rights notice follows
        QCOMPARE(file.read("BUTTON", "360", 256).length, 0);
        QVERIFY(opener.calls.isEmpty()); // no help file beside this executable
    }

    // One atomic write must leave what the 751 single writes would leave.
    void sameBytesAsSingleWrites() {
        TempDir dir;
        const ProgramPaths paths = ProgramPaths::fromExecutable(dir.file("TabdeckV10"), dir.path());
        ControlFile file(paths.controlFile);
        RecordingOpener opener;
        createDefaultControlFile(file, paths, opener, nullptr);

        ControlFile single(dir.file("single.INI"));
        single.write("HELP_INFORMATION", "TabdeckV10", defaultcontrolfile::editingNotice());
        for (int n = 1; n <= 360; ++n)
            single.write("BUTTON", QString::number(n), "");
        for (int n = 1; n <= 360; ++n)
            single.write("ICON", QString::number(n), "");
        for (int t = 1; t <= 30; ++t)
            single.write("TABLENAME", QString::number(t), "");
        QCOMPARE(contentOf(paths.controlFile), contentOf(single.path()));
    }

    void existingFileUntouched_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("created before") << QByteArray();
        QTest::newRow("hand-made, missing keys") << QByteArray("[BUTTON]\n5=/bin/ls\n");
        QTest::newRow("empty file") << QByteArray("");
    }
    void existingFileUntouched() {
        QFETCH(QByteArray, bytes);
        TempDir dir;
        const ProgramPaths paths = ProgramPaths::fromExecutable(dir.file("TabdeckV10"), dir.path());
        RecordingOpener opener;
        if (bytes.isNull()) {
            ControlFile first(paths.controlFile);
            createDefaultControlFile(first, paths, opener, nullptr);
        } else {
            dir.write("TabdeckV10.INI", bytes);
        }
        const QByteArray before = contentOf(paths.controlFile);
        const QDateTime time = QFileInfo(paths.controlFile).lastModified();
        QTest::qWait(20);
        ControlFile again(paths.controlFile);
        createDefaultControlFile(again, paths, opener, nullptr);
        QCOMPARE(contentOf(paths.controlFile), before);
        QCOMPARE(QFileInfo(paths.controlFile).lastModified(), time);
        QVERIFY(opener.calls.isEmpty());
    }

    void opensHelpWhenPresent() {
        TempDir dir;
        dir.write("ExtensiveHelp.hlp", "help");
        const ProgramPaths paths = ProgramPaths::fromExecutable(dir.file("TabdeckV10"), dir.path());
        ControlFile file(paths.controlFile);
        RecordingOpener opener;
        QObject owner;
        createDefaultControlFile(file, paths, opener, &owner);
        QCOMPARE(opener.calls.size(), 1);
        QCOMPARE(opener.calls[0].owner, &owner);
        QCOMPARE(opener.calls[0].path, dir.path() + "/ExtensiveHelp.hlp");
    }
};

TABDECK_TEST(DefaultControlFileTest)
#include "DefaultControlFileTest.moc"
