#include "strip/ButtonArrange.h"
#include "RecordingStripValues.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "strip/LaunchOptions.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>

using testsupport::ScriptedPrompts;
using testsupport::TempDir;

namespace {
using Changes = QList<QPair<int, int>>;
// Button n, when filled, holds target "/t/n" and picture "/p/n.bmp".
QString targetOf(int n) {
    return n ? QStringLiteral("/t/%1").arg(n) : QString();
}
QString pictureOf(int n) {
    return n ? QStringLiteral("/p/%1.bmp").arg(n) : QString();
}
// Odd buttons have launch options, which go where their target goes.
QString argumentsOf(int n) {
    return n % 2 ? QStringLiteral("-o %1").arg(n) : QString();
}
} // namespace

class ButtonArrangeTest : public QObject {
    Q_OBJECT
private slots:
    // Swaps, moves to another table and the keyboard's neighbours, each at
    // and past its edge; a write that fails changes nothing, and the same
    // change done again once the file can be written succeeds.
    void rules_data() {
        QTest::addColumn<QString>("op"); // swap A B | move A TABLE | neighbour A STEP
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QList<int>>("filled");
        QTest::addColumn<bool>("failWrite");
        QTest::addColumn<int>("result"); // swap: 1 wrote; move: the button landed on; neighbour
        // Whose slot each changed button holds afterwards (0: empty).
        QTest::addColumn<Changes>("after");
        QTest::addColumn<QString>("notice");
        using P = QPair<int, int>;
        using L = QList<int>;
        using A = QList<P>;
        const QString none;
        QTest::newRow("swap two filled")
            << "swap" << 3 << 5 << L{3, 5} << false << 1 << A{P{3, 5}, P{5, 3}} << none;
        QTest::newRow("swap onto empty")
            << "swap" << 3 << 7 << L{3} << false << 1 << A{P{3, 0}, P{7, 3}} << none;
        QTest::newRow("swap across tables")
            << "swap" << 3 << 40 << L{3, 40} << false << 1 << A{P{3, 40}, P{40, 3}} << none;
        QTest::newRow("swap last two")
            << "swap" << 360 << 359 << L{360} << false << 1 << A{P{360, 0}, P{359, 360}} << none;
        QTest::newRow("swap past the last")
            << "swap" << 360 << 361 << L{360} << false << 0 << A{} << none;
        QTest::newRow("swap, neither with options")
            << "swap" << 4 << 6 << L{4, 6} << false << 1 << A{P{4, 6}, P{6, 4}} << none;
        QTest::newRow("swap with itself") << "swap" << 3 << 3 << L{3} << false << 0 << A{} << none;
        QTest::newRow("swap empty source") << "swap" << 4 << 5 << L{5} << false << 0 << A{} << none;
        QTest::newRow("swap, write fails")
            << "swap" << 3 << 5 << L{3, 5} << true << 1 << A{P{3, 5}, P{5, 3}} << none;
        const L fourAllButLast{3, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47};
        QTest::newRow("move to first empty")
            << "move" << 3 << 4 << L{3, 37, 38, 40} << false << 39 << A{P{3, 0}, P{39, 3}} << none;
        QTest::newRow("move, last slot free")
            << "move" << 3 << 4 << fourAllButLast << false << 48 << A{P{3, 0}, P{48, 3}} << none;
        QTest::newRow("move to full table")
            << "move" << 3 << 4 << (L(fourAllButLast) << 48) << false << 0 << A{}
            << "Table 4 is full: no button on it is empty.";
        QTest::newRow("move to table 30")
            << "move" << 3 << 30 << L{3} << false << 349 << A{P{3, 0}, P{349, 3}} << none;
        QTest::newRow("move past table 30")
            << "move" << 3 << 31 << L{3} << false << 0 << A{} << none;
        QTest::newRow("move to table 0") << "move" << 3 << 0 << L{3} << false << 0 << A{} << none;
        QTest::newRow("move to own table") << "move" << 3 << 1 << L{3} << false << 0 << A{} << none;
        QTest::newRow("move empty source") << "move" << 4 << 2 << L{3} << false << 0 << A{} << none;
        QTest::newRow("move, write fails")
            << "move" << 3 << 4 << L{3} << true << 37 << A{P{3, 0}, P{37, 3}} << none;
        QTest::newRow("next inside table")
            << "neighbour" << 11 << 1 << L{} << false << 12 << A{} << none;
        QTest::newRow("next past table end")
            << "neighbour" << 12 << 1 << L{} << false << 0 << A{} << none;
        QTest::newRow("previous at table start")
            << "neighbour" << 13 << -1 << L{} << false << 0 << A{} << none;
        QTest::newRow("previous inside table")
            << "neighbour" << 14 << -1 << L{} << false << 13 << A{} << none;
        QTest::newRow("next past 360")
            << "neighbour" << 360 << 1 << L{} << false << 0 << A{} << none;
        QTest::newRow("previous before 1")
            << "neighbour" << 1 << -1 << L{} << false << 0 << A{} << none;
    }
    void rules() {
        QFETCH(QString, op);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QList<int>, filled);
        QFETCH(bool, failWrite);
        QFETCH(int, result);
        QFETCH(Changes, after);
        QFETCH(QString, notice);

        if (op == "neighbour") {
            QCOMPARE(ButtonArrange::neighbour(a, b), result);
            return;
        }
        TempDir dir;
        ControlFile file(dir.file("TabdeckV10.INI"));
        QList<ControlFile::Entry> entries;
        for (int n : filled)
            entries << ControlFile::Entry{"BUTTON", QString::number(n), targetOf(n)}
                    << ControlFile::Entry{"ICON", QString::number(n), pictureOf(n)};
        for (int n : filled)
            if (!argumentsOf(n).isEmpty())
                entries +=
                    LaunchOptionsSettings::entries(n, targetOf(n), {argumentsOf(n), {}, false});
        file.writeAll(entries);
        const bool anyOptions = std::any_of(filled.begin(), filled.end(),
                                            [](int n) { return !argumentsOf(n).isEmpty(); });
        ScriptedPrompts prompts;
        if (!notice.isEmpty())
            prompts.expectBox();
        testsupport::RecordingStripValues strip;
        QList<int> shown;
        ButtonArrange arrange(strip, file, prompts, [&](int n) { shown << n; });
        const auto run = [&] {
            return op == "swap" ? int(arrange.swap(a, b)) : arrange.moveToTable(a, b);
        };
        // Holder of each button's slot: the button itself when filled.
        QList<int> holder(361, 0);
        for (int n : filled)
            holder[n] = n;
        const auto check = [&] {
            for (int n = 1; n <= 360; ++n) {
                QCOMPARE(file.read("BUTTON", QString::number(n), 256).text, targetOf(holder[n]));
                QCOMPARE(file.read("ICON", QString::number(n), 256).text, pictureOf(holder[n]));
                QCOMPARE(LaunchOptionsSettings(file).read(n, targetOf(holder[n])).arguments,
                         argumentsOf(holder[n]));
            }
            QFile raw(dir.file("TabdeckV10.INI"));
            QVERIFY(raw.open(QIODevice::ReadOnly));
            QCOMPARE(raw.readAll().contains("[LAUNCH"), anyOptions);
        };

        if (failWrite) {
            // No file may grow past 16 bytes: the write fails as on a full
            // disk, also for root.
            struct rlimit limit;
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
            const rlim_t was = limit.rlim_cur;
            ::signal(SIGXFSZ, SIG_IGN);
            limit.rlim_cur = 16;
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
            bool threw = false;
            try {
                run();
            } catch (const AppError&) {
                threw = true;
            }
            limit.rlim_cur = was;
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
            QVERIFY(threw);
            check();
            QVERIFY(shown.isEmpty());
            // Once the file can be written again the same change goes through.
        }
        QCOMPARE(run(), result);
        for (const auto& [n, from] : after)
            holder[n] = from;
        check();
        QList<int> expectShown;
        for (const auto& change : after)
            expectShown << change.first;
        std::sort(shown.begin(), shown.end());
        std::sort(expectShown.begin(), expectShown.end());
        QCOMPARE(shown, expectShown);
        QCOMPARE(prompts.boxes().size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty())
            QCOMPARE(prompts.lastBox().text, notice);
        QCOMPARE(prompts.unexpectedCount(), 0);
    }

    // What a drag out of the strip offers: a path as its file URL, an
    // address as itself, a bare name nothing.
    void dragOffer_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("urls");
        QTest::newRow("file with space")
            << "/home/u/My Notes.txt" << QStringList{"file:///home/u/My%20Notes.txt"};
        QTest::newRow("folder") << "/home/u/" << QStringList{"file:///home/u/"};
        QTest::newRow("web address")
            << "https://example.org/a?b=c" << QStringList{"https://example.org/a?b=c"};
        QTest::newRow("mail address")
            << "mailto:a@example.org" << QStringList{"mailto:a@example.org"};
        QTest::newRow("bare name") << "firefox" << QStringList{};
    }
    void dragOffer() {
        QFETCH(QString, target);
        QFETCH(QStringList, urls);
        QStringList got;
        for (const QUrl& url : ButtonArrange::offerFor(target))
            got << url.toString(QUrl::FullyEncoded);
        QCOMPARE(got, urls);
    }
};

TABDECK_TEST(ButtonArrangeTest)
#include "ButtonArrangeTest.moc"
