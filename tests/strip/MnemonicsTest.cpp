#include "strip/Mnemonics.h"
#include "TestRegistry.h"

#include <QTest>

// The keys a menu's items get, from their texts alone.
class MnemonicsTest : public QObject {
    Q_OBJECT
private slots:
    // One menu's texts in, separated by '|'; the same texts with their keys out.
    void mnemonics_data() {
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("marked");
        QTest::newRow("word starts first") << "Open|Cut|Paste"
                                           << "&Open|&Cut|&Paste";
        QTest::newRow("a taken start: the next word") << "Close|Close Menu|Color"
                                                      << "&Close|Close &Menu|C&olor";
        QTest::newRow("case does not count") << "Cut|cut"
                                             << "&Cut|c&ut";
        QTest::newRow("digits count, dots do not") << "...|Table 1|Table 2"
                                                   << "...|&Table 1|Table &2";
        QTest::newRow("a mark already there is kept and taken") << "Open|&Other"
                                                                << "O&pen|&Other";
        QTest::newRow("literal && is stepped over") << "&&A|A&&B"
                                                    << "&&&A|A&&&B";
        QTest::newRow("no free letter: left alone") << "ab|ba|ab"
                                                    << "&ab|&ba|ab";
        QTest::newRow("empty") << ""
                               << "";
    }
    void mnemonics() {
        QFETCH(QString, texts);
        QFETCH(QString, marked);
        const QStringList in = texts.split(u'|');
        QCOMPARE(mnemonics::assign(in).join(u'|'), marked);
    }
};

TABDECK_TEST(MnemonicsTest)
#include "MnemonicsTest.moc"
