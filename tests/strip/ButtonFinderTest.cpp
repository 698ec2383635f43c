#include "strip/ButtonFinder.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTest>

using Entries = QMap<int, QString>; // button -> BUTTON entry
using Buttons = QList<int>;

class ButtonFinderTest : public QObject {
    Q_OBJECT
private slots:
    void find_data() {
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QString>("query");
        QTest::addColumn<Buttons>("found");
        const Entries mixed{{5, "/usr/bin/Firefox"},
                            {30, "/home/u/Notes/plan.txt"},
                            {300, "/home/u/notes-2.txt"},
                            {7, "https://example.org/Wiki"},
                            {8, "/usr/share/applications/gimp.desktop"}};
        QTest::newRow("case does not count") << mixed << "FIRE" << Buttons{5};
        QTest::newRow("across tables, in button order") << mixed << "notes" << Buttons{30, 300};
        QTest::newRow("every word must match") << mixed << "notes plan" << Buttons{30};
        QTest::newRow("words in any order") << mixed << "PLAN  notes" << Buttons{30};
        QTest::newRow("one word missing: none") << mixed << "notes zebra" << Buttons{};
        QTest::newRow("blanks only") << mixed << "   " << Buttons{};
        // An empty button shows a hint of its own, which is no target.
        QTest::newRow("empty buttons never match")
            << Entries{{3, ""}, {4, "/x/drag"}} << "drag" << Buttons{4};
        // Read as a press reads it: cut to 255 characters.
        QTest::newRow("past the read limit")
            << Entries{{9, "/" + QString(254, 'a') + "zz"}} << "zz" << Buttons{};
        QTest::newRow("at the read limit")
            << Entries{{9, "/" + QString(253, 'a') + "zz"}} << "az" << Buttons{9};
        Entries many;
        for (int n = 100; n < 113; ++n)
            many.insert(n, QStringLiteral("/opt/tool%1").arg(n));
        QTest::newRow("thirteen matches: twelve shown")
            << many << "tool"
            << Buttons{100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111};
        many.remove(112);
        QTest::newRow("twelve matches: all")
            << many << "tool"
            << Buttons{100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111};
        QTest::newRow("last button") << Entries{{360, "/srv/end"}} << "end" << Buttons{360};
    }
    void find() {
        QFETCH(Entries, entries);
        QFETCH(QString, query);
        QFETCH(Buttons, found);
        testsupport::TempDir dir;
        ControlFile file(dir.file("TabdeckV10.INI"));
        for (auto it = entries.begin(); it != entries.end(); ++it)
            file.write("BUTTON", QString::number(it.key()), it.value());
        const QList<FoundButton> result = ButtonFinder(file).find(query);
        Buttons buttons;
        for (const FoundButton& b : result) {
            buttons << b.button;
            QCOMPARE(b.table, (b.button - 1) / 12 + 1);
            QCOMPARE(b.target, entries.value(b.button).left(255));
        }
        QCOMPARE(buttons, found);
    }

    // One find session, a step a line: "? QUERY > BUTTONS" types a query;
    // "= N TARGET" gives button n a target through the finder's own file,
    // "~ N TARGET" through another window's, "! N TARGET" by another program
    // on disk; "close" ends the session. `reads` counts the reads of all
    // buttons: once a session, and again only after a change.
    void session_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("reads");
        QTest::newRow("keys of one session read once")
            << QStringList{"? f > 5", "? fi > 5", "? fir > 5", "? firx >"} << 1;
        QTest::newRow("a button given a target between keys")
            << QStringList{"? no > 30 300", "= 31 /x/notes", "? not > 30 31 300"} << 2;
        QTest::newRow("a button emptied between keys")
            << QStringList{"? no > 30 300", "= 30 ", "? not > 300"} << 2;
        QTest::newRow("changed by another window between keys")
            << QStringList{"? no > 30 300", "~ 300 /x/plain", "? not > 30"} << 2;
        QTest::newRow("changed on disk between keys")
            << QStringList{"? no > 30 300", "! 6 /x/notebook", "? not > 6 30 300"} << 2;
        QTest::newRow("each session reads anew")
            << QStringList{"? fi > 5", "close", "? fi > 5", "? fir > 5"} << 2;
        QTest::newRow("no word: nothing read") << QStringList{"?   >"} << 0;
    }
    void session() {
        QFETCH(QStringList, steps);
        QFETCH(int, reads);
        testsupport::TempDir dir;
        const QString path = dir.file("TabdeckV10.INI");
        ControlFile file(path);
        file.writeAll({{"BUTTON", "5", "/usr/bin/Firefox"},
                       {"BUTTON", "30", "/home/u/Notes/plan.txt"},
                       {"BUTTON", "300", "/home/u/notes-2.txt"}});
        ButtonFinder finder(file);
        for (const QString& step : steps) {
            // Each key comes in a turn of its own, which sees changes on disk.
            QCoreApplication::processEvents();
            const QString what = step.mid(2);
            if (step == "close") {
                finder.forget();
            } else if (step.startsWith('?')) {
                const QString query = what.section('>', 0, 0);
                Buttons buttons;
                for (const FoundButton& b : finder.find(query))
                    buttons << b.button;
                Buttons expected;
                for (const QString& n : what.section('>', 1).split(' ', Qt::SkipEmptyParts))
                    expected << n.toInt();
                QVERIFY2(buttons == expected, qPrintable(step));
            } else {
                const QString n = what.section(' ', 0, 0);
                const QString target = what.section(' ', 1);
                if (step.startsWith('=')) {
                    file.write("BUTTON", n, target);
                } else if (step.startsWith('~')) {
                    ControlFile(path).write("BUTTON", n, target);
                } else {
                    // Another program: the whole file replaced, no writer of ours told.
                    QSaveFile out(path);
                    QVERIFY(out.open(QIODevice::WriteOnly));
                    out.write(
                        QStringLiteral("[BUTTON]\n5=/usr/bin/Firefox\n30=/home/u/Notes/plan.txt\n"
                                       "300=/home/u/notes-2.txt\n%1=%2\n")
                            .arg(n, target)
                            .toUtf8());
                    QVERIFY(out.commit());
                }
            }
        }
        QCOMPARE(finder.reads(), reads);
    }
};

TABDECK_TEST(ButtonFinderTest)
#include "ButtonFinderTest.moc"
