// The program's own arguments and what a start hands over.
#include "app/CommandLine.h"
#include "TestRegistry.h"

#include <QTest>
#include <vector>

using handover::Request;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    // status -1 goes on; a token that could not travel is dropped.
    void arguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("summon");
        QTest::addColumn<bool>("find");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("passed");
        const QByteArray id = "host-42-prog_TIME5123";
        QTest::newRow("none: shows the first")
            << QStringList{} << id << -1 << false << false << "" << id;
        QTest::newRow("show") << QStringList{"--show"} << id << -1 << true << false << "" << id;
        QTest::newRow("find zebra") << QStringList{"--find", "zebra"} << QByteArray() << -1 << true
                                    << true << "zebra" << QByteArray();
        QTest::newRow("find=") << QStringList{"--find=zebra notes"} << id << -1 << true << true
                               << "zebra notes" << id;
        QTest::newRow("find without text")
            << QStringList{"--find"} << id << -1 << true << true << "" << id;
        QTest::newRow("find, then a Qt option")
            << QStringList{"--find", "-platform", "xcb"} << id << -1 << true << true << "" << id;
        QTest::newRow("text at its bound") << QStringList{"--find", QString(256, 'a')} << id << -1
                                           << true << true << QString(256, 'a') << id;
        QTest::newRow("text past its bound")
            << QStringList{"--find", QString(257, 'a')} << id << 2 << false << false << "" << id;
        QTest::newRow("control character in text")
            << QStringList{"--find", "a\tb"} << id << 2 << false << false << "" << id;
        QTest::newRow("unknown option")
            << QStringList{"--summon"} << id << 2 << false << false << "" << id;
        QTest::newRow("token at its bound") << QStringList{"--show"} << QByteArray(256, 't') << -1
                                            << true << false << "" << QByteArray(256, 't');
        QTest::newRow("token past its bound") << QStringList{"--show"} << QByteArray(257, 't') << -1
                                              << true << false << "" << QByteArray();
        QTest::newRow("token with a space") << QStringList{"--show"} << QByteArray("a b") << -1
                                            << true << false << "" << QByteArray();
        QTest::newRow("version") << QStringList{"--find", "x", "--version"} << id << 0 << false
                                 << false << "" << id;
    }
    void arguments() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, token);
        QFETCH(int, status);
        QFETCH(bool, summon);
        QFETCH(bool, find);
        QFETCH(QString, text);
        QFETCH(QByteArray, passed);
        std::vector<QByteArray> bytes{"TabdeckV10"};
        for (const QString& a : args)
            bytes.push_back(a.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& b : bytes)
            argv.push_back(b.data());
        const StartRequest start = handleCommandLine(int(argv.size()), argv.data(), token);
        QCOMPARE(start.exitStatus, status);
        if (status >= 0)
            return;
        QCOMPARE(start.summon, summon);
        QCOMPARE(start.request.kind == Request::Kind::Find, find);
        QCOMPARE(start.request.text, text);
        QCOMPARE(start.request.token, passed);
        // What the first reads back is what was asked.
        QCOMPARE(handover::decode(handover::encode(start.request)), std::optional(start.request));
    }
};

TABDECK_TEST(CommandLineTest)
#include "CommandLineTest.moc"
