#include "strip/ButtonFinder.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"

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
};

TABDECK_TEST(ButtonFinderTest)
#include "ButtonFinderTest.moc"
