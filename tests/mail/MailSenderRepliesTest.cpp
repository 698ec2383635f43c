// Every class of reply at every stage of a send, against the one box the
// user gets: it names the stage and the cause in words, quotes the server's
// reason where it gives one, and never shows a socket code or a library's
// message. Scripted servers on loopback; the send path without the window.
#include "ScriptedPrompts.h"
#include "SmtpScriptServer.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "mail/MailSender.h"

#include <QRegularExpression>
#include <QTest>

using testsupport::ScriptedPrompts;
using testsupport::SmtpScriptServer;
using testsupport::TempDir;
using Answer = SmtpScriptServer::Answer;

namespace {

class FakeView : public MailView {
public:
    QString to() const override { return QStringLiteral("bob@there.example"); }
    void setTo(const QString&) override {}
    QString subject() const override { return QStringLiteral("s"); }
    bool setupShown() const override { return true; }
    void focus(Field) override {}
    void showFileType(std::optional<FileType>) override {}
    void setConnectionText(const QString&) override {}
    void setStatusText(const QString& text) override { status << text; }
    QStringList status;
};

class GivenPassword : public PasswordSource {
public:
    void fetch(const QString&, const QString&,
               std::function<void(std::optional<QString>)> done) override {
        done(QStringLiteral("pw"));
    }
    void forget(const QString&, const QString&) override {}
};

struct Stage {
    const char* name;
    QByteArray verb;     // empty: the greeting
    const char* waiting; // the words naming the stage
    const char* refused; // what a refusal (4xx, 5xx, no code) says
};

const Stage kStages[] = {
    {"greeting", "", "at the greeting", "The mail server refused the connection. Its greeting: "},
    {"EHLO", "EHLO", "while introducing this computer (EHLO/HELO)", nullptr},
    {"HELO", "HELO", "while introducing this computer (EHLO/HELO)",
     "The mail server refused this computer's introduction (EHLO/HELO): "},
    {"STARTTLS", "STARTTLS", "while asking for TLS (STARTTLS)",
     "TLS failed: the server does not offer TLS ("},
    {"AUTH", "AUTH", "while signing in", "Sign-in refused: the server did not accept"},
    {"MAIL", "MAIL", "at the sender (MAIL FROM)",
     "The mail server refused the sender me@example.com: "},
    {"RCPT", "RCPT", "at the recipient (RCPT TO)",
     "Could not find the Recipient (TO:) e-mail address, enter a new e-mail address!\r\r"
     "The mail server refused the recipient bob@there.example: "},
    {"DATA", "DATA", "at the start of the message (DATA)", "The mail server refused the message: "},
    {"end of data", ".", "while sending the message",
     "The mail server refused the message, the e-mail was not sent!\r\rThe server's reason: "},
};

const QString kSent = QStringLiteral("The e-mail was sent, your done sending e-mail!");

} // namespace

class MailSenderRepliesTest : public QObject {
    Q_OBJECT
private slots:
    void replyAtEveryStage_data() {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("box"); // how the box after the confirmation begins
        for (int i = 0; i < int(std::size(kStages)); ++i) {
            const Stage& s = kStages[i];
            // A positive reply the command can never get: 250 greets nobody,
            // 221 answers no command but QUIT, 235 no AUTH PLAIN's first step.
            const QByteArray positive = s.verb.isEmpty()   ? "250 hi\r\n"
                                        : s.verb == "DATA" ? "250 ok\r\n"
                                        : s.verb == "AUTH" ? "334 more\r\n"
                                                           : "221 bye\r\n";
            const QByteArray intermediate = s.verb == "DATA" ? "334 what\r\n" : "354 go\r\n";
            const QString outOfOrder =
                QStringLiteral("The mail server answered out of order %1 (").arg(s.waiting);
            const auto refusedBy = [&](const QByteArray& reply) {
                if (!s.refused) // EHLO refused: HELO next, and the mail goes
                    return kSent;
                return QString::fromLatin1(s.refused) + QString::fromLatin1(reply).trimmed();
            };
            const auto row = [&](const char* cls) -> QTestData& {
                return QTest::addRow("%s, %s", s.name, cls) << i;
            };
            row("2xx out of order") << positive << int(Answer::Reply) << outOfOrder;
            row("3xx") << intermediate << int(Answer::Reply) << outOfOrder;
            const QByteArray later = "451 4.3.0 try later\r\n", never = "554 5.7.1 no\r\n";
            row("4xx") << later << int(Answer::Reply)
                       << (s.verb == "AUTH" ? QString::fromLatin1(s.refused) : refusedBy(later));
            row("5xx") << never << int(Answer::Reply)
                       << (s.verb == "AUTH" ? QString::fromLatin1(s.refused) : refusedBy(never));
            row("no code") << QByteArray("hello\r\n") << int(Answer::Reply)
                           << (s.verb == "AUTH" ? QString::fromLatin1(s.refused)
                                                : refusedBy("hello"));
            row("closed") << QByteArray() << int(Answer::ReplyAndClose)
                          << QStringLiteral("The connection dropped %1.").arg(s.waiting);
            row("silent") << QByteArray() << int(Answer::Silent)
                          << QStringLiteral("The mail server gave no answer within the time "
                                            "limit (1 s) %1; the connection was closed.")
                                 .arg(s.waiting);
        }
        // In clear, to a server that takes mail only after STARTTLS.
        QTest::newRow("MAIL, 530 TLS first")
            << 5 << QByteArray("530 5.7.0 Must issue a STARTTLS command first\r\n")
            << int(Answer::Reply) << "The server wants TLS: it signs in and takes mail only";
        // A passing refusal naming TLS is still a refused sign-in, as it is at MAIL.
        QTest::newRow("AUTH, 454 naming TLS")
            << 4 << QByteArray("454 4.7.0 TLS not available just now\r\n") << int(Answer::Reply)
            << "Sign-in refused: the server did not accept";
    }

    void replyAtEveryStage() {
        QFETCH(int, stage);
        QFETCH(QByteArray, reply);
        QFETCH(int, action);
        QFETCH(QString, box);
        const Stage& s = kStages[stage];
        SmtpScriptServer server;
        const auto act = Answer::Action(action);
        EmailSetup setup;
        setup.host = "127.0.0.1";
        setup.userId = "tester";
        setup.address = "me@example.com";
        setup.name = "Me";
        setup.port = server.port();
        if (s.verb == "STARTTLS") {
            setup.security = MailSecurity::StartTls;
            server.on("EHLO", "250-hi\r\n250 STARTTLS\r\n");
        } else if (s.verb == "AUTH") {
            setup.authUser = "ann";
            server.on("EHLO", "250-hi\r\n250 AUTH PLAIN\r\n");
        } else if (s.verb == "HELO") {
            server.on("HELO", reply, act).on("HELO", reply, act);
        }
        if (s.verb.isEmpty())
            server.greet(reply, act);
        else if (s.verb != "HELO")
            server.on(s.verb, reply, act);

        TempDir dir;
        ControlFile file(dir.file("TabdeckV10.INI"));
        ScriptedPrompts prompts;
        FakeView view;
        GivenPassword password;
        MailSender sender(file, prompts, nullptr, view);
        sender.usePasswords(&password);
        sender.useAccount(setup);
        sender.useTimeLimit(300);
        sender.loadFile(dir.write("a.txt", "hello"));
        prompts.expectBox(Prompts::Yes);
        // A refused HELO asks for another user id first; cancelled, it is told.
        const bool asksUserId = s.verb == "HELO" && box.startsWith("The mail server refused");
        if (asksUserId)
            prompts.expectInput(std::nullopt);
        prompts.expectBox(Prompts::Ok);
        sender.send();
        QVERIFY(
            QTest::qWaitFor([&] { return prompts.allUsed() && !sender.client().Busy(); }, 10000));
        QTest::qWait(20); // room for a second box, which must not come
        QCOMPARE(prompts.unexpectedCount(), 0);
        const QString shown = prompts.lastBox().text;
        QVERIFY2(shown.startsWith(box), qPrintable(shown));
        QCOMPARE(shown == kSent, box == kSent);
        // Words only: no socket code, no library message, no raw line breaks.
        QVERIFY2(!shown.contains(QRegularExpression("\\b1[01]\\d\\d\\d:|error:|routines|\n")),
                 qPrintable(shown));
        // A failure always told which stage it was at; the status line said
        // what was awaited while it waited.
        QVERIFY(!view.status.isEmpty());
        // A refused sender or DATA leaves the connection up, for Disconnect.
        const bool stays =
            (s.verb == "MAIL" || s.verb == "DATA") &&
            (reply.startsWith('4') || reply.startsWith('5') || reply.startsWith('h'));
        QCOMPARE(sender.client().Connected(), stays);
        QTRY_COMPARE_WITH_TIMEOUT(server.peerOpen(), stays, 5000);
    }

    // A setup without a sender address: asked before any connection waits
    // on the user; cancelled, nothing connects at all.
    void missingSenderAskedFirst_data() {
        QTest::addColumn<QString>("given"); // empty: cancelled
        QTest::newRow("given") << "given@x.example";
        QTest::newRow("cancelled") << "";
    }
    void missingSenderAskedFirst() {
        QFETCH(QString, given);
        SmtpScriptServer server;
        TempDir dir;
        ControlFile file(dir.file("TabdeckV10.INI"));
        ScriptedPrompts prompts;
        FakeView view;
        MailSender sender(file, prompts, nullptr, view);
        EmailSetup setup;
        setup.host = "127.0.0.1";
        setup.port = server.port();
        sender.useAccount(setup);
        sender.loadFile(dir.write("a.txt", "hello"));
        prompts.expectBox(Prompts::Yes)
            .expectInput(given.isEmpty() ? std::nullopt : std::optional<QString>(given))
            .expectBox(Prompts::Ok);
        sender.send();
        QVERIFY(
            QTest::qWaitFor([&] { return prompts.allUsed() && !sender.client().Busy(); }, 10000));
        QCOMPARE(prompts.shown()[1].input.caption, "Missing From Address");
        QCOMPARE(prompts.lastBox().text, given.isEmpty() ? "Incomplete Header." : kSent);
        QCOMPARE(server.connections(), given.isEmpty() ? 0 : 1);
        if (!given.isEmpty())
            QVERIFY(server.lines().contains("MAIL FROM:<" + given.toUtf8() + ">"));
    }
};

TABDECK_TEST(MailSenderRepliesTest)
#include "MailSenderRepliesTest.moc"
