// The account as the control file keeps it, and Save Setup's rules, without
// a window.
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "mail/EmailSetupSaver.h"

#include <QFile>
#include <QTest>

using testsupport::ScriptedPrompts;
using testsupport::TempDir;

namespace {

const QString kSection = "EMAILSETUP";

struct FakeSetupView : SetupView {
    SetupEntry shown;
    std::optional<Field> focused;
    std::optional<EmailSetup> current;
    bool closed = false;
    SetupEntry entry() const override { return shown; }
    void focus(Field f) override { focused = f; }
    void showCurrent(const EmailSetup& s) override { current = s; }
    void closeSetup() override { closed = true; }
};

struct FakeStore : PasswordStore {
    QStringList stored; // "user@host=password"
    std::optional<QString> error;
    void store(const QString& host, const QString& user, const QString& password,
               std::function<void(std::optional<QString>)> done) override {
        stored << user + "@" + host + "=" + password;
        done(error);
    }
};

} // namespace

class EmailSetupTest : public QObject {
    Q_OBJECT
private slots:
    void storedSetup_data();
    void storedSetup();
    void writtenOwnerOnly();
    void save_data();
    void save();
    void proposedPort_data();
    void proposedPort();
};

void EmailSetupTest::storedSetup_data() {
    QTest::addColumn<QStringList>("keys"); // key=value
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("security");
    QTest::addColumn<QString>("error"); // empty: read succeeds
    const int none = int(MailSecurity::None), starttls = int(MailSecurity::StartTls);
    QTest::newRow("stored before the new keys: port 25, in clear")
        << QStringList{"Host=h", "UserID=u"} << 25 << none << "";
    QTest::newRow("submission with STARTTLS")
        << QStringList{"Port=587", "Security=STARTTLS", "AuthUser=me"} << 587 << starttls << "";
    QTest::newRow("TLS, any letter case")
        << QStringList{"Port=465", "Security=ssl/tls"} << 465 << int(MailSecurity::Tls) << "";
    QTest::newRow("emptied keys read as missing")
        << QStringList{"Port=", "Security="} << 25 << none << "";
    QTest::newRow("highest port") << QStringList{"Port=65535"} << 65535 << none << "";
    QTest::newRow("port 1") << QStringList{"Port=1"} << 1 << none << "";
    QTest::newRow("port 0") << QStringList{"Port=0"} << 0 << none
                            << "'0' is not a valid integer value";
    QTest::newRow("port past the highest")
        << QStringList{"Port=65536"} << 0 << none << "'65536' is not a valid integer value";
    QTest::newRow("port not a number")
        << QStringList{"Port=58x"} << 0 << none << "'58x' is not a valid integer value";
    QTest::newRow("negative port")
        << QStringList{"Port=-25"} << 0 << none << "'-25' is not a valid integer value";
    // The time limit: a minute when not stored, at most an hour.
    QTest::newRow("time limit 1 s") << QStringList{"TimeLimit=1"} << 25 << none << "";
    QTest::newRow("time limit an hour") << QStringList{"TimeLimit=3600"} << 25 << none << "";
    QTest::newRow("time limit 0") << QStringList{"TimeLimit=0"} << 0 << none
                                  << "'0' is not a valid integer value";
    QTest::newRow("time limit past an hour")
        << QStringList{"TimeLimit=3601"} << 0 << none << "'3601' is not a valid integer value";
    QTest::newRow("unknown security is not taken as None")
        << QStringList{"Security=TLS1.3"} << 0 << none
        << "'TLS1.3' is not a valid security setting; choose STARTTLS, SSL/TLS or None on the "
           "setup page";
}

void EmailSetupTest::storedSetup() {
    QFETCH(QStringList, keys);
    QFETCH(int, port);
    QFETCH(int, security);
    QFETCH(QString, error);
    TempDir dir;
    ControlFile file(dir.file("TabdeckV10.INI"));
    for (const QString& pair : keys)
        file.write(kSection, pair.section('=', 0, 0), pair.section('=', 1));
    EmailSettings settings(file);
    try {
        const EmailSetup s = settings.read();
        QVERIFY2(error.isEmpty(), "read should have failed");
        QCOMPARE(int(s.port), port);
        QCOMPARE(int(s.security), security);
        QCOMPARE(s.authUser, keys.contains("AuthUser=me") ? "me" : "");
        const QString limit = keys.filter("TimeLimit=").value(0).section('=', 1);
        QCOMPARE(s.timeLimit, limit.isEmpty() ? 60 : limit.toInt());
    } catch (const AppError& e) {
        QCOMPARE(e.text(), error);
    }
}

// The account goes in as one replacement, and from then on the file is its
// owner's only, also after other windows write to it. A file that held an
// account before is made private when it is looked at; one without stays.
void EmailSetupTest::writtenOwnerOnly() {
    TempDir dir;
    const QString path = dir.write("TabdeckV10.INI", "[OPTIONS]\r\nPROCOLOR=clRed\r\n");
    const QFile::Permissions shared =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(path, shared);
    ControlFile file(path);
    EmailSettings settings(file);
    settings.protect();
    QCOMPARE(QFile::permissions(path) & shared, shared);
    const QString older = dir.write("old.INI", "[EMAILSETUP]\r\nUserID=secret\r\n");
    QFile::setPermissions(older, shared);
    ControlFile olderFile(older);
    EmailSettings(olderFile).protect();
    QCOMPARE(QFile::permissions(older) & shared, QFile::ReadOwner | QFile::WriteOwner);

    EmailSetup s{"smtp.example.com", "id", "me@example.com", "Me", 465, MailSecurity::Tls, "me"};
    settings.write(s);
    file.write("OPTIONS", "PROCOLOR", "clBlue");
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(path) & others, QFile::Permissions());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("[OPTIONS]\r\nPROCOLOR=clBlue\r\n[EMAILSETUP]\r\n"
                                     "Host=smtp.example.com\r\nUserID=id\r\n"
                                     "EAddress=me@example.com\r\nYourName=Me\r\nPort=465\r\n"
                                     "Security=SSL/TLS\r\nAuthUser=me\r\nTimeLimit=60\r\n"));
    const EmailSetup back = settings.read();
    QCOMPARE(back.port, s.port);
    QCOMPARE(back.security, s.security);
    QCOMPARE(back.authUser, s.authUser);
}

void EmailSetupTest::save_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("security");
    QTest::addColumn<bool>("signIn");
    QTest::addColumn<QString>("authUser");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QList<int>>("answers"); // to each box in turn
    QTest::addColumn<QString>("storeError");
    QTest::addColumn<QString>("lastBox");
    QTest::addColumn<int>("focus");       // -1: none
    QTest::addColumn<QString>("written"); // Security/AuthUser as stored; empty: nothing
    QTest::addColumn<QStringList>("stored");
    using F = SetupView::Field;
    const int tls = int(MailSecurity::StartTls), none = int(MailSecurity::None);
    const QString saved = "The e-mail information was saved!";
    const QList<int> yesOk = {Prompts::Yes, Prompts::Ok};
    QTest::newRow("answered No") << "h"
                                 << "n" << tls << true << "me"
                                 << "pw" << QList<int>{Prompts::No} << ""
                                 << "Are you sure you want to "
                                    "save the the e-mail setup now?"
                                 << -1 << "" << QStringList{};
    QTest::newRow("host first") << ""
                                << "" << tls << false << ""
                                << "" << yesOk << ""
                                << "You have to enter your e-mail Host." << int(F::Host) << ""
                                << QStringList{};
    QTest::newRow("name") << "h"
                          << "" << tls << false << ""
                          << "" << yesOk << ""
                          << "You have to enter your name." << int(F::Name) << "" << QStringList{};
    QTest::newRow("sign-in name of blanks")
        << "h"
        << "n" << tls << true << "  "
        << "pw" << yesOk << ""
        << "You have to enter the user name to sign in with, or turn Sign in off."
        << int(F::AuthUser) << "" << QStringList{};
    QTest::newRow("in clear with sign-in, warning refused")
        << "h"
        << "n" << none << true << "me"
        << "pw" << QList<int>{Prompts::Yes, Prompts::No} << ""
        << "" << int(F::Security) << "" << QStringList{};
    QTest::newRow("in clear with sign-in, warning accepted")
        << "h"
        << "n" << none << true << " me "
        << "pw" << QList<int>{Prompts::Yes, Prompts::Yes, Prompts::Ok} << "" << saved << -1
        << "None/me" << QStringList{"me@h=pw"};
    QTest::newRow("in clear without sign-in: no warning")
        << "h"
        << "n" << none << false << "me"
        << "pw" << yesOk << "" << saved << -1 << "None/" << QStringList{};
    QTest::newRow("sign-in, no password: the keyring keeps what it has")
        << "h"
        << "n" << tls << true << "me"
        << "" << yesOk << "" << saved << -1 << "STARTTLS/me" << QStringList{};
    QTest::newRow("keyring refuses: said after the save")
        << "h"
        << "n" << tls << true << "me"
        << "pw" << QList<int>{Prompts::Yes, Prompts::Ok, Prompts::Ok} << "locked"
        << "The password could not be kept in the desktop's keyring (locked).\rYou will be "
           "asked for it at each send; it is not written to any file."
        << -1 << "STARTTLS/me" << QStringList{"me@h=pw"};
}

void EmailSetupTest::save() {
    QFETCH(QString, host);
    QFETCH(QString, name);
    QFETCH(int, security);
    QFETCH(bool, signIn);
    QFETCH(QString, authUser);
    QFETCH(QString, password);
    QFETCH(QList<int>, answers);
    QFETCH(QString, storeError);
    QFETCH(QString, lastBox);
    QFETCH(int, focus);
    QFETCH(QString, written);
    QFETCH(QStringList, stored);
    TempDir dir;
    ControlFile file(dir.file("TabdeckV10.INI"));
    EmailSettings settings(file);
    ScriptedPrompts prompts;
    for (int a : answers)
        prompts.expectBox(Prompts::Button(a));
    FakeSetupView view;
    view.shown.setup = {host, "id", "a@b.example", name, 587, MailSecurity(security), authUser};
    view.shown.signIn = signIn;
    view.shown.password = password;
    FakeStore store;
    if (!storeError.isEmpty())
        store.error = storeError;
    EmailSetupSaver(settings, prompts, nullptr, view, store).save();

    QVERIFY(prompts.allUsed());
    if (!lastBox.isEmpty())
        QCOMPARE(prompts.lastBox().text, lastBox);
    if (answers.size() > 1 && answers[1] != Prompts::Ok) { // the warning was shown
        QCOMPARE(prompts.boxes()[1].icon, Prompts::Icon::Warning);
        QVERIFY(prompts.boxes()[1].text.contains("plain text"));
    }
    QCOMPARE(view.focused ? int(*view.focused) : -1, focus);
    const QString stored1 =
        file.read(kSection, "Security", 80).text + "/" + file.read(kSection, "AuthUser", 80).text;
    QCOMPARE(written.isEmpty() ? QString() : stored1, written);
    QCOMPARE(file.read(kSection, "Host", 80).text, written.isEmpty() ? "" : host);
    // Saved means shown at once and the send page back.
    QCOMPARE(view.current.has_value(), !written.isEmpty());
    QCOMPARE(view.closed, !written.isEmpty());
    QCOMPARE(store.stored, stored);
}

void EmailSetupTest::proposedPort_data() {
    QTest::addColumn<int>("security");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("proposed");
    const int starttls = int(MailSecurity::StartTls), tls = int(MailSecurity::Tls),
              none = int(MailSecurity::None);
    QTest::newRow("SSL/TLS from the default") << tls << 587 << 465;
    QTest::newRow("STARTTLS back from 465") << starttls << 465 << 587;
    QTest::newRow("STARTTLS from the old 25") << starttls << 25 << 587;
    QTest::newRow("None keeps a submission port") << none << 587 << 587;
    QTest::newRow("None leaves the TLS port") << none << 465 << 25;
    QTest::newRow("the user's own port stays") << tls << 2525 << 2525;
    QTest::newRow("one past a usual port stays") << tls << 588 << 588;
}

void EmailSetupTest::proposedPort() {
    QFETCH(int, security);
    QFETCH(int, current);
    QFETCH(int, proposed);
    QCOMPARE(int(EmailSetupSaver::proposedPort(MailSecurity(security), quint16(current))),
             proposed);
}

TABDECK_TEST(EmailSetupTest)
#include "EmailSetupTest.moc"
