// The e-mail window offscreen: its send checks, the setup and address book
// through their controls, and its reactions to a scripted server's replies.
#include "EmailFixture.h"
#include "SmtpScriptServer.h"
#include "TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostInfo>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolButton>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using testsupport::EmailFixture;
using testsupport::SmtpScriptServer;

namespace {

const QString kNoSetup = "Before you can e-mail a file, you have to setup the e-mail!";
const QString kConnectError = "There was an error connecting to the host, the e-mail was not sent!";

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QString checkedType(EmailFixture& f) {
    for (int i = 0; i < 4; ++i) {
        auto* r = f.child<QRadioButton>(QStringLiteral("Ftype1_%1").arg(i));
        if (r->isChecked())
            return r->text();
    }
    return {};
}

const QString kSent = "The e-mail was sent, your done sending e-mail!";

// A loopback listener that accepts nothing and whose queue is full, so a
// further connection's first packet is dropped and the connection hangs.
struct FullListener {
    int fd = -1;
    quint16 port = 0;
    QTcpSocket fillers[4];
    ~FullListener() {
        if (fd >= 0)
            ::close(fd);
    }
    bool fill() {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), len) != 0 ||
            ::listen(fd, 0) != 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            return false;
        port = ntohs(a.sin_port);
        int open = 0;
        for (QTcpSocket& s : fillers) {
            s.connectToHost(QHostAddress::LocalHost, port);
            open += s.waitForConnected(300) ? 1 : 0;
        }
        return open >= 1 && open < 4; // the queue ran full
    }
};
const QByteArray kHeaderEnd = "\r\n\r\n\r\n";

// Sends a file with these bytes through the window to `server`, answering Yes
// to the confirmation; returns the text of the notice that follows.
QString sendFile(EmailFixture& f, const SmtpScriptServer& server, const QByteArray& file) {
    f.storeSetup("127.0.0.1", server.port());
    f.window->show();
    f.type("To1", "bob@there.example");
    f.type("Subject1", "File");
    f.choose(f.dir.write("body.txt", file));
    f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
    f.window->SendBtnClick();
    f.settle();
    return f.prompts.lastBox().text;
}

} // namespace

class TEmailTest : public QObject {
    Q_OBJECT
private slots:
    void sendChecks_data();
    void sendChecks();
    void setupSaveAndShowing();
    void storedSetupShownAfterStart();
    void testAndFindFromThePage();
    void sendsAndReacts();
    void serverReplies_data();
    void serverReplies();
    void refusedRsetLeavesConnection();
    void addressBook();
    void unwritableListChangesNothing();
    void unreadableFile();
    void plainFileOnTheWire_data();
    void plainFileOnTheWire();
    void progressOfLargeFile();
    void silentServerEndsAtOnce_data();
    void silentServerEndsAtOnce();
};

void TEmailTest::sendChecks_data() {
    QTest::addColumn<QStringList>("setup"); // EMAILSETUP key=value pairs
    QTest::addColumn<QString>("docEmail");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<bool>("file");
    QTest::addColumn<QString>("notice"); // empty: the send stops without a word
    QTest::addColumn<QString>("toAfter");
    const QStringList full = {"Host=127.0.0.1", "UserID=u", "EAddress=a@b.example", "YourName=N"};
    QTest::newRow("nothing set up") << QStringList{} << ""
                                    << "x@y"
                                    << "s" << true << kNoSetup << "x@y";
    QTest::newRow("only UserID: silent stop at the missing Host") << QStringList{"UserID=u"} << ""
                                                                  << "x@y"
                                                                  << "s" << true << ""
                                                                  << "x@y";
    QTest::newRow("no To") << full << ""
                           << ""
                           << "s" << true << "You have to enter the TO e-mail address!"
                           << "";
    QTest::newRow("no subject") << full << ""
                                << "x@y"
                                << "" << true << "You have to enter a subject!"
                                << "x@y";
    QTest::newRow("no file") << full << ""
                             << "x@y"
                             << "s" << false << "You have to select a file to send!"
                             << "x@y";
    QTest::newRow("two-character DocEmail is ignored")
        << full << "ab"
        << ""
        << "s" << true << "You have to enter the TO e-mail address!"
        << "";
    QTest::newRow("three-character DocEmail overrides To")
        << full << "abc"
        << "x@y"
        << "" << true << "You have to enter a subject!"
        << "abc";
}

void TEmailTest::sendChecks() {
    QFETCH(QStringList, setup);
    QFETCH(QString, docEmail);
    QFETCH(QString, to);
    QFETCH(QString, subject);
    QFETCH(bool, file);
    QFETCH(QString, notice);
    QFETCH(QString, toAfter);
    EmailFixture f;
    for (const QString& pair : setup)
        f.file.write("EMAILSETUP", pair.section('=', 0, 0), pair.section('=', 1));
    if (!docEmail.isEmpty())
        f.file.write("EMAIL", "DocEmail", docEmail);
    f.window->show();
    f.type("To1", to);
    f.type("Subject1", subject);
    if (file)
        f.choose(f.dir.write("body.txt", "text"));
    f.prompts.expectBox(Prompts::Yes);
    if (!notice.isEmpty())
        f.prompts.expectBox(Prompts::Ok);
    if (!file)
        f.prompts.expectFile(std::nullopt);
    f.window->SendBtnClick();
    f.settle();
    QVERIFY(f.prompts.allUsed());
    QCOMPARE(f.prompts.unexpectedCount(), 0);
    QCOMPARE(f.boxTexts().last(),
             notice.isEmpty() ? "Are you sure you want to send the e-mail now?" : notice);
    QCOMPARE(f.text("To1"), toAfter);
    QCOMPARE(f.text("inf1"), QString()); // no connection was tried
    // Only a send that got past every check uses up the chosen file.
    QCOMPARE(f.window->sender().fileChosen(), file && !notice.isEmpty());
}

void TEmailTest::setupSaveAndShowing() {
    SmtpScriptServer server;
    EmailFixture f;
    f.window->show();
    QTest::mouseClick(f.child<QToolButton>("OpenSetup1"), Qt::LeftButton);
    QVERIFY(f.child("Panel4")->isVisible() && !f.child("Panel3")->isVisible());
    f.type("Host1", "127.0.0.1");
    f.type("UserID1", "user");
    f.child<QComboBox>("Security1")->setCurrentText("None");
    f.child<QSpinBox>("Port1")->setValue(server.port());
    f.window->sender().usePort(server.port());
    // Each empty edit in turn is named and gets the focus.
    const QStringList missing = {"You have to enter your e-mail address.",
                                 "You have to enter your name."};
    for (int i = 0; i < 2; ++i) {
        f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
        f.window->SaveSetupBtn2Click();
        QCOMPARE(f.prompts.lastBox().text, missing[i]);
        QCOMPARE(f.window->focusWidget(), f.child(i == 0 ? "Eaddress1" : "Yname1"));
        f.type(i == 0 ? "Eaddress1" : "Yname1", i == 0 ? "me@example.com" : "Me");
    }
    f.prompts.expectBox(Prompts::No); // No keeps everything as it is
    f.window->SaveSetupBtn2Click();
    QVERIFY(f.file.read("EMAILSETUP", "Host", 80).text.isEmpty());
    QCOMPARE(f.text("Label15"), QString());
    f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
    f.window->SaveSetupBtn2Click();
    QCOMPARE(f.prompts.lastBox().text, "The e-mail information was saved!");
    QCOMPARE(f.file.read("EMAILSETUP", "YourName", 80).text, "Me");
    QVERIFY(!f.child("Panel4")->isVisible() && f.child("Panel3")->isVisible());

    // What was saved shows and is used at once, without showing the window again.
    QCOMPARE(f.text("Label15"), "127.0.0.1");
    QCOMPARE(f.text("Label18"), "Me");
    f.type("To1", "x@y.example");
    f.type("Subject1", "s");
    f.choose(f.dir.write("a.txt", "a"));
    f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
    f.window->SendBtnClick();
    f.settle();
    QCOMPARE(f.prompts.lastBox().text, kSent);
    QVERIFY(server.lines().contains("MAIL FROM:<me@example.com>"));
    f.reshow();
    QCOMPARE(f.text("Label15"), "127.0.0.1");
}

// A start with an account stored: the setup page shows it at each showing,
// so changing one value keeps the others as they were.
void TEmailTest::storedSetupShownAfterStart() {
    EmailFixture f;
    const QStringList stored = {"Host=smtp.example.com", "UserID=id",   "EAddress=me@example.com",
                                "YourName=Me",           "Port=465",    "Security=SSL/TLS",
                                "AuthUser=ann",          "TimeLimit=30"};
    for (const QString& pair : stored)
        f.file.write("EMAILSETUP", pair.section('=', 0, 0), pair.section('=', 1));
    f.window->show();
    QTest::mouseClick(f.child<QToolButton>("OpenSetup1"), Qt::LeftButton);
    const auto shown = [&] {
        return QStringList{f.text("Host1"),
                           f.text("UserID1"),
                           f.text("Eaddress1"),
                           f.text("Yname1"),
                           f.child<QSpinBox>("Port1")->text(),
                           f.child<QComboBox>("Security1")->currentText(),
                           f.child<QCheckBox>("SignIn1")->isChecked() ? "on" : "off",
                           f.text("AuthUser1"),
                           QString::number(f.child<QSpinBox>("TimeLimit1")->value())};
    };
    QCOMPARE(shown(), (QStringList{"smtp.example.com", "id", "me@example.com", "Me", "465",
                                   "SSL/TLS", "on", "ann", "30"}));
    // Only the name changed: saved, everything else kept.
    f.type("Yname1", "Me Too");
    f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
    f.window->SaveSetupBtn2Click();
    QCOMPARE(f.prompts.lastBox().text, "The e-mail information was saved!");
    QCOMPARE(f.file.read("EMAILSETUP", "Host", 80).text, "smtp.example.com");
    QCOMPARE(f.file.read("EMAILSETUP", "YourName", 80).text, "Me Too");
    QCOMPARE(f.file.read("EMAILSETUP", "TimeLimit", 80).text, "30");
    // Typed and not saved: the next showing shows what is stored.
    f.type("Host1", "typed.example");
    f.reshow();
    QCOMPARE(f.text("Host1"), "smtp.example.com");
    QCOMPARE(f.text("Yname1"), "Me Too");
}

// The setup page's Test and Find Settings, as a user presses them: a host is
// needed first; then the server is tried without sending, and what a search
// found is filled in.
void TEmailTest::testAndFindFromThePage() {
    SmtpScriptServer server;
    EmailFixture f;
    f.window->show();
    QTest::mouseClick(f.child<QToolButton>("OpenSetup1"), Qt::LeftButton);
    f.prompts.expectBox(Prompts::Ok);
    QTest::mouseClick(f.child<QPushButton>("TestSetupBtn"), Qt::LeftButton);
    QCOMPARE(f.prompts.lastBox().text, "You have to enter your e-mail Host.");
    QCOMPARE(f.window->focusWidget(), f.child("Host1"));

    f.type("Host1", "127.0.0.1");
    f.child<QComboBox>("Security1")->setCurrentText("None");
    f.child<QSpinBox>("Port1")->setValue(server.port());
    f.prompts.expectBox(Prompts::Ok);
    QTest::mouseClick(f.child<QPushButton>("TestSetupBtn"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(f.prompts.allUsed(), 10000);
    QCOMPARE(f.prompts.lastBox().caption, "Setup Check");
    QCOMPARE(f.prompts.lastBox().text,
             QStringLiteral("The setup works: 127.0.0.1 answered on port %1. The connection is "
                            "not secured. Nothing was sent.")
                 .arg(server.port()));
    QCOMPARE(server.linesOf(0).mid(1),
             (QList<QByteArray>{"HELO " + QHostInfo::localHostName().toUtf8(), "QUIT"}));
    QCOMPARE(f.window->statusBar1()->currentMessage(), QString());

    // Nothing on the first two ports; on the third no STARTTLS, so in clear.
    quint16 closed;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        closed = probe.serverPort();
    }
    f.window->setupTester().check().usePorts(closed, closed, server.port());
    f.child<QComboBox>("Security1")->setCurrentText("SSL/TLS");
    f.child<QSpinBox>("Port1")->setValue(465);
    f.prompts.expectBox(Prompts::Ok);
    QTest::mouseClick(f.child<QPushButton>("FindSettingsBtn"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(f.prompts.allUsed(), 20000);
    QVERIFY2(f.prompts.lastBox().text.startsWith("A mail server answered on 127.0.0.1"),
             qPrintable(f.prompts.lastBox().text));
    QCOMPARE(f.child<QSpinBox>("Port1")->value(), int(server.port()));
    QCOMPARE(f.child<QComboBox>("Security1")->currentText(), "None");
    QVERIFY(!server.lines().contains("MAIL FROM:<>"));
    QVERIFY(f.file.read("EMAILSETUP", "Host", 80).text.isEmpty()); // tried, not saved
}

void TEmailTest::sendsAndReacts() {
    SmtpScriptServer server;
    EmailFixture f;
    f.storeSetup("127.0.0.1", server.port());
    f.window->show();
    f.type("To1", "Bob <bob@there.example>");
    f.type("Subject1", QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                         "e"));
    // An .RTF in capitals is rich text and selects RichEdit.
    const QString rtf = f.dir.write("LETTER.RTF", "{\\rtf1\\ansi .first\\par caf\\'e9}");
    f.choose(rtf);
    QCOMPARE(checkedType(f), "RichEdit");
    QVERIFY(f.window->sender().richBody());
    f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
    f.window->SendBtnClick();
    f.settle();
    QCOMPARE(f.prompts.lastBox().text, "The e-mail was sent, your done sending e-mail!");
    QVERIFY(f.prompts.allUsed());
    QCOMPARE(f.text("inf1"), "Disconnected");
    const QByteArray body = "..first\r\ncaf\xc3\xa9\r\n";
    QCOMPARE(f.window->statusBar1()->currentMessage(),
             QStringLiteral("%1 bytes out of %1 transferred").arg(body.size()));
    // Each mail is dated and named afresh: checked, then left out of the comparison.
    QByteArray data = server.data();
    const QRegularExpression stamps("Date: \\d{1,2} \\w{3} \\d{4} [0-9:]{8} [+-]\\d{4}\r\n"
                                    "Message-ID: <[0-9a-f-]{36}@example.com>\r\n");
    const QRegularExpressionMatch stamped = stamps.match(QString::fromLatin1(data));
    QVERIFY(stamped.hasMatch());
    data.remove(stamped.capturedStart(), stamped.capturedLength());
    QCOMPARE(data, QByteArray("From: Me Myself<me@example.com>\r\n"
                              "To: Bob <bob@there.example>\r\n"
                              "Subject: =?utf-8?B?R3LDvMOfZQ==?=\r\n"
                              "Mime-Version: 1.0\r\n"
                              "Content-Type: text/enriched; charset=utf-8\r\n\r\n\r\n") +
                       body);
    QCOMPARE(server.linesOf(0).mid(0, 3),
             (QList<QByteArray>{"EHLO " + QHostInfo::localHostName().toUtf8(),
                                "HELO " + QHostInfo::localHostName().toUtf8(), "RSET"}));
    QCOMPARE(server.linesOf(0).last(), "QUIT");
    // Success clears the type choice; the next send needs a new file.
    QCOMPARE(checkedType(f), QString());
    QVERIFY(!f.window->sender().fileChosen() && !f.window->sender().typeChosen());
}

void TEmailTest::serverReplies_data() {
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("boxes"); // after the confirmation
    QTest::newRow("HELO refused, new user id accepted")
        << QByteArray("HELO") << QByteArray("501 who\r\n")
        << QStringList{"The e-mail was sent, your done sending e-mail!"};
    // The other replies at every stage: MailSenderRepliesTest.
}

void TEmailTest::serverReplies() {
    QFETCH(QByteArray, verb);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, boxes);
    auto server = std::make_unique<SmtpScriptServer>();
    EmailFixture f;
    const quint16 port = server->port();
    if (verb.isEmpty())
        server.reset(); // nothing listens there any more
    else
        server->on(verb, reply);
    f.storeSetup("127.0.0.1", port);
    f.window->show();
    f.type("To1", "bob@there.example");
    f.type("Subject1", "s");
    f.choose(f.dir.write("a.txt", "a"));
    const bool helo = verb == "HELO";
    f.prompts.expectBox(Prompts::Yes);
    if (helo)
        f.prompts.expectInput(QString("better"));
    for (int i = 0; i < boxes.size(); ++i)
        f.prompts.expectBox(Prompts::Ok);
    f.window->SendBtnClick();
    f.settle();
    QVERIFY(f.prompts.allUsed());
    QCOMPARE(f.prompts.unexpectedCount(), 0);
    QStringList shown = f.boxTexts().mid(1);
    for (QString& s : shown)
        s = s.trimmed();
    QCOMPARE(shown, boxes);
    if (helo) {
        const auto& in = f.prompts.shown()[2].input; // after the file dialog and the confirmation
        QCOMPARE(in.caption, "Authentication Failed");
        QCOMPARE(in.prompt, "Invalid User ID. New User ID: ");
        QCOMPARE(in.initial, "tester");
        // The retry introduces this machine again: never what was typed as the user id.
        QCOMPARE(server->lines().count("HELO " + QHostInfo::localHostName().toUtf8()), 2);
        QVERIFY(!server->lines().join().contains("better"));
    }
    QVERIFY(!f.window->sender().client().Connected());
}

void TEmailTest::refusedRsetLeavesConnection() {
    SmtpScriptServer server;
    server.on("RSET", "500 not now\r\n");
    EmailFixture f;
    f.storeSetup("127.0.0.1", server.port());
    f.window->show();
    f.type("To1", "bob@there.example");
    f.type("Subject1", "s");
    f.choose(f.dir.write("a.txt", "a"));
    f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
    f.window->SendBtnClick();
    f.settle();
    QCOMPARE(f.prompts.lastBox().text,
             "The mail server refused the sender me@example.com: 500 not now\r\r"
             "The e-mail was not sent.");
    QCOMPARE(f.prompts.lastBox().icon, Prompts::Icon::Error);
    // The connection is still up, so the next send ends at connecting.
    f.choose(f.dir.path() + "/a.txt");
    f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
    f.window->SendBtnClick();
    f.settle();
    QCOMPARE(f.prompts.lastBox().text, "Already connected.");
    f.prompts.expectBox(Prompts::Yes);
    f.window->DisconnectBtnClick();
    f.settle();
    QCOMPARE(f.text("inf1"), "Disconnected");
    QVERIFY(f.prompts.allUsed());
}

void TEmailTest::addressBook() {
    EmailFixture f;
    f.window->show();
    QTest::mouseClick(f.child<QToolButton>("ElistBtn"), Qt::LeftButton);
    f.type("Edit1", "ann@x.example");
    f.prompts.expectBox(Prompts::Ok);
    f.window->AddToListBtnClick();
    QCOMPARE(f.prompts.lastBox().text,
             "You have to fill in the E-mail Address Box, and the Name Box!");
    for (const auto& [address, name] :
         {std::pair{"ann@x.example", "Ann"}, {"bo@x.example", "Bo"}, {"cy@x.example", "Cy"}}) {
        f.type("Edit1", address);
        f.type("Edit2", name);
        f.window->AddToListBtnClick();
    }
    QCOMPARE(f.text("Edit1"), QString());
    const QString emails = f.dir.file("MainEmail.lst"), names = f.dir.file("MainName.lst");
    QCOMPARE(readAll(names), "Ann\r\nBo\r\nCy\r\n");

    auto* list1 = f.child<QListWidget>("ListBox1");
    auto* list2 = f.child<QListWidget>("ListBox2");
    list2->setCurrentRow(1);
    QCOMPARE(list1->currentRow(), 1);
    // A right press on the name list deletes the selected row, not the one under it.
    f.prompts.expectBox(Prompts::Yes);
    QTest::mousePress(list2->viewport(), Qt::RightButton, {},
                      list2->visualItemRect(list2->item(0)).center());
    QCOMPARE(f.prompts.lastBox().caption, "Delete Item?");
    QCOMPARE(readAll(emails), "ann@x.example\r\ncy@x.example\r\n");
    QCOMPARE(readAll(names), "Ann\r\nCy\r\n");

    // Double-clicking a name puts its address into To1 and closes the list page.
    list2->setCurrentRow(1);
    f.window->ListDblClick(list2);
    QCOMPARE(f.text("To1"), "cy@x.example");
    QVERIFY(!f.child("Panel2")->isVisible());

    // The lists are read again at showing; a missing file leaves its list.
    QFile::remove(names);
    f.dir.write("MainEmail.lst", "new@x.example\r\n");
    f.reshow();
    QCOMPARE(list1->count(), 1);
    QCOMPARE(list2->count(), 2);
}

void TEmailTest::unwritableListChangesNothing() {
    EmailFixture f;
    f.dir.write("MainEmail.lst", "old@x.example\r\n");
    f.window->show();
    QVERIFY(QDir(f.dir.path()).mkdir("MainName.lst")); // cannot be replaced by a file
    f.type("Edit1", "new@x.example");
    f.type("Edit2", "New");
    f.prompts.expectBox(Prompts::Ok);
    f.window->AddToListBtnClick();
    QCOMPARE(f.prompts.lastBox().text, "Cannot create file " + f.dir.file("MainName.lst") + ".");
    QCOMPARE(readAll(f.dir.file("MainEmail.lst")), "old@x.example\r\n");
    QCOMPARE(f.window->addressBook().addresses(), QStringList{"old@x.example"});
}

void TEmailTest::unreadableFile() {
    EmailFixture f;
    f.window->show();
    QVERIFY(QDir(f.dir.path()).mkdir("folder.txt"));
    for (const QString& name : {QString("missing.txt"), QString("folder.txt")}) {
        f.prompts.expectFile(f.dir.file(name)).expectBox(Prompts::Ok);
        f.window->SelectFileBtnClick();
        QCOMPARE(f.prompts.lastBox().text, "Cannot open file " + f.dir.file(name) + ".");
    }
    QVERIFY(!f.window->sender().fileChosen());
}

// A text file's bytes as the message data carries them: valid UTF-8 exactly
// as stored, anything else read as Windows Western text and sent as UTF-8.
void TEmailTest::plainFileOnTheWire_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<QString>("charset");
    QTest::newRow("ascii, lf and leading period")
        << QByteArray("a\n.b\r\n") << QByteArray("a\r\n..b\r\n\r\n") << "us-ascii";
    QTest::newRow("empty") << QByteArray() << QByteArray("\r\n") << "us-ascii";
    QTest::newRow("utf-8 with byte order mark")
        << QByteArray("\xef\xbb\xbfgr\xc3\xbc\xc3\x9f \xe4\xb8\xad")
        << QByteArray("\xef\xbb\xbfgr\xc3\xbc\xc3\x9f \xe4\xb8\xad\r\n") << "utf-8";
    QTest::newRow("four-byte utf-8")
        << QByteArray("\xf0\x9f\x98\x80") << QByteArray("\xf0\x9f\x98\x80\r\n") << "utf-8";
    QTest::newRow("windows western")
        << QByteArray("caf\xe9 \x80 5") << QByteArray("caf\xc3\xa9 \xe2\x82\xac 5\r\n") << "utf-8";
    QTest::newRow("utf-8 cut short")
        << QByteArray("ab\xc3") << QByteArray("ab\xc3\x83\r\n") << "utf-8";
    QTest::newRow("overlong utf-8")
        << QByteArray("\xc0\xaf") << QByteArray("\xc3\x80\xc2\xaf\r\n") << "utf-8";
    QTest::newRow("encoded surrogate")
        << QByteArray("\xed\xa0\x80") << QByteArray("\xc3\xad\xc2\xa0\xe2\x82\xac\r\n") << "utf-8";
}

void TEmailTest::plainFileOnTheWire() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, wire);
    QFETCH(QString, charset);
    SmtpScriptServer server;
    EmailFixture f;
    QCOMPARE(sendFile(f, server, file), kSent);
    const QByteArray data = server.data();
    const qsizetype start = data.indexOf(kHeaderEnd);
    QVERIFY2(data.left(start).endsWith("Content-Type: text/plain; charset=" + charset.toLatin1()),
             data.constData());
    QCOMPARE(data.mid(start + kHeaderEnd.size()), wire);
}

// Hundreds of packets do not each repaint the status line, yet the first
// packet's progress shows at once and the last one's stays.
void TEmailTest::progressOfLargeFile() {
    SmtpScriptServer server;
    EmailFixture f;
    const QByteArray line(98, 'x');
    QByteArray file;
    for (int i = 0; i < 100000; ++i)
        file += line + "\r\n"; // 10,000,000 bytes, and the closing CR LF: 153 packets
    QSignalSpy shown(f.window->statusBar1(), &QStatusBar::messageChanged);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(sendFile(f, server, file), kSent);
    const qint64 ms = clock.elapsed();
    QCOMPARE(server.data().size() - server.data().indexOf(kHeaderEnd) - 6, file.size() + 2);
    QStringList progress;
    for (const QList<QVariant>& signal : shown) {
        if (signal.first().toString().endsWith(" transferred"))
            progress << signal.first().toString();
    }
    QVERIFY(progress.size() >= 2);
    QCOMPARE(progress.first(), "65536 bytes out of 10000002 transferred");
    QCOMPARE(progress.last(), "10000002 bytes out of 10000002 transferred");
    QVERIFY2(progress.size() <= 2 + ms / 40, qPrintable(QString::number(progress.size())));
}

// A server that stops answering: the status line says what the window waits
// for, and Disconnect or Exit ends the wait at once, not at the time limit.
void TEmailTest::silentServerEndsAtOnce_data() {
    QTest::addColumn<QByteArray>("verb"); // empty: the greeting; "connect": the connection
    QTest::addColumn<QString>("waiting");
    QTest::addColumn<bool>("disconnectFirst");
    // A listener whose queue is full drops the connection's first packet:
    // the connection is neither open nor refused.
    QTest::newRow("connecting, Disconnect, then Exit")
        << QByteArray("connect") << "Connecting to 127.0.0.1 port %1…" << true;
    QTest::newRow("connecting, Exit")
        << QByteArray("connect") << "Connecting to 127.0.0.1 port %1…" << false;
    const QString greeting = "Waiting for the mail server's greeting…";
    QTest::newRow("greeting, Disconnect, then Exit") << QByteArray() << greeting << true;
    QTest::newRow("greeting, Exit") << QByteArray() << greeting << false;
    QTest::newRow("sender, Disconnect, then Exit")
        << QByteArray("MAIL") << "Waiting for the server to take the sender…" << true;
    QTest::newRow("end of data, Exit")
        << QByteArray(".") << "Waiting for the server to accept the message…" << false;
}

void TEmailTest::silentServerEndsAtOnce() {
    QFETCH(QByteArray, verb);
    QFETCH(QString, waiting);
    QFETCH(bool, disconnectFirst);
    SmtpScriptServer server;
    if (verb.isEmpty())
        server.greet("", SmtpScriptServer::Answer::Silent);
    else
        server.on(verb, "", SmtpScriptServer::Answer::Silent);
    FullListener full;
    const bool connecting = verb == "connect";
    if (connecting) {
        QVERIFY(full.fill());
        waiting = waiting.arg(full.port);
    }
    EmailFixture f;
    f.storeSetup("127.0.0.1", connecting ? full.port : server.port());
    f.window->show();
    f.type("To1", "bob@there.example");
    f.type("Subject1", "s");
    f.choose(f.dir.write("a.txt", "a"));
    f.prompts.expectBox(Prompts::Yes);
    f.window->SendBtnClick();
    TSmtpClient& c = f.window->sender().client();
    const auto shown = [&] { return f.window->statusBar1()->currentMessage(); };
    // The body's end is awaited once its progress has shown: no status then.
    if (verb != ".")
        QTRY_COMPARE_WITH_TIMEOUT(shown(), waiting, 5000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(server.lines().contains("."), 5000);
    QVERIFY(c.Busy());
    if (disconnectFirst) {
        f.prompts.expectBox(Prompts::Yes);
        f.window->DisconnectBtnClick();
        QVERIFY(!c.Busy() && !c.Connected()); // at once, not after a wait
        QCOMPARE(f.text("inf1"), "Disconnected");
    }
    QTest::mouseClick(f.child<QToolButton>("ExitBtn"), Qt::LeftButton);
    QVERIFY(!f.window->isVisible());
    QVERIFY(!c.Busy() && !c.Connected());
    QCOMPARE(shown(), QString());
    if (!connecting)
        QTRY_VERIFY_WITH_TIMEOUT(!server.peerOpen(), 5000);
    QTest::qWait(50); // no box comes after the window closed
    QVERIFY(f.prompts.allUsed());
    QCOMPARE(f.prompts.unexpectedCount(), 0);
}

TABDECK_TEST(TEmailTest)
#include "TEmailTest.moc"
