// Where the sign-in password lives: the desktop's keyring when one answers,
// else asked at each send; never in a file. CTest runs KeyringPasswordsTest
// on a private bus with a Secret Service of its own, and AskedPasswordsTest
// where no session bus answers.
#include "EmailFixture.h"
#include "TestRegistry.h"
#include "mail/window/KeyringPasswords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QSpinBox>

using testsupport::EmailFixture;

namespace {

const QString kPassword = QString::fromUtf8("s3cr\xc3\xa9t-pa55");
constexpr int kKeyringMs = 30000; // a keyring answers in far less; this only bounds a hang

// The files below `root` whose bytes hold the password.
QStringList filesHoldingPassword(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = f.readAll();
            if (bytes.contains(kPassword.toUtf8()) || bytes.contains(kPassword.toLatin1()))
                out << f.fileName();
        }
    }
    return out;
}

// Save Setup with sign-in and a password, as a user fills the page; `refused`:
// the keyring's refusal is expected after the save.
void saveWithPassword(EmailFixture& f, bool refused) {
    f.window->show();
    f.type("Host1", "mail.example.com");
    f.type("UserID1", "me");
    f.type("Eaddress1", "me@example.com");
    f.type("Yname1", "Me");
    f.child<QComboBox>("Security1")->setCurrentText("SSL/TLS");
    f.child<QCheckBox>("SignIn1")->setChecked(true);
    f.type("AuthUser1", "me@example.com");
    f.type("Password1", kPassword);
    f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
    if (refused)
        f.prompts.expectBox(Prompts::Ok);
    f.window->SaveSetupBtn2Click();
    QVERIFY(f.prompts.boxes().size() >= 2);
    QCOMPARE(f.prompts.boxes()[1].text, "The e-mail information was saved!");
    QCOMPARE(f.file.read("EMAILSETUP", "Port", 80).text, "465");
    QCOMPARE(f.file.read("EMAILSETUP", "AuthUser", 80).text, "me@example.com");
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(f.file.path()) & others, QFile::Permissions());
}

struct Fetched {
    bool answered = false;
    std::optional<QString> password;
};

void fetch(PasswordSource& source, Fetched& out) {
    source.fetch("mail.example.com", "me@example.com", [&out](std::optional<QString> p) {
        out.answered = true;
        out.password = std::move(p);
    });
}

} // namespace

class KeyringPasswordsTest : public QObject {
    Q_OBJECT
private slots:
    void keptInTheKeyringOnly();
};

// The password typed at setup goes to the keyring: a later fetch gets it
// without asking, no file holds it, and forget() makes the next send ask.
void KeyringPasswordsTest::keptInTheKeyringOnly() {
    EmailFixture f;
    saveWithPassword(f, false);
    QTRY_VERIFY_WITH_TIMEOUT(filesHoldingPassword(f.dir.path()).isEmpty() &&
                                 f.prompts.boxes().size() == 2,
                             2000); // no notice that the keyring failed
    // A fresh window, as after a restart: the keyring answers, no box is shown.
    EmailFixture again;
    Fetched got;
    fetch(again.window->passwords(), got);
    QTRY_VERIFY_WITH_TIMEOUT(got.answered, kKeyringMs);
    QCOMPARE(got.password, std::optional<QString>(kPassword));
    QCOMPARE(again.prompts.shown().size(), 0);
    QVERIFY(filesHoldingPassword(f.dir.path()).isEmpty());
    QVERIFY(filesHoldingPassword(qEnvironmentVariable("HOME")).isEmpty());

    // Refused at the server: forgotten, so the next send asks.
    again.window->passwords().forget("mail.example.com", "me@example.com");
    again.prompts.expectInput(QString("typed"));
    Fetched asked;
    fetch(again.window->passwords(), asked);
    QTRY_VERIFY_WITH_TIMEOUT(asked.answered, kKeyringMs);
    QCOMPARE(asked.password, std::optional<QString>("typed"));
    QVERIFY(again.prompts.shown().last().input.secret);
}

class AskedPasswordsTest : public QObject {
    Q_OBJECT
private slots:
    void askedAtEachSend();
};

// No keyring answers: Save Setup says the password is not kept, and each
// fetch asks in a box that hides what is typed; a cancel gives none.
void AskedPasswordsTest::askedAtEachSend() {
    EmailFixture f;
    saveWithPassword(f, true);
    QTRY_VERIFY_WITH_TIMEOUT(f.prompts.boxes().size() == 3, kKeyringMs);
    QVERIFY(f.prompts.lastBox().text.startsWith(
        "The password could not be kept in the desktop's keyring ("));
    QVERIFY(filesHoldingPassword(f.dir.path()).isEmpty());

    for (const std::optional<QString>& answer :
         {std::optional<QString>("first"), std::optional<QString>("second"),
          std::optional<QString>()}) {
        f.prompts.expectInput(answer);
        Fetched got;
        fetch(f.window->passwords(), got);
        QTRY_VERIFY_WITH_TIMEOUT(got.answered, kKeyringMs);
        QCOMPARE(got.password, answer);
        const auto& in = f.prompts.shown().last().input;
        QVERIFY(in.secret);
        QCOMPARE(in.prompt, "Password of me@example.com on mail.example.com: ");
    }
    QVERIFY(f.prompts.allUsed());
}

// Run by CTest in their own surroundings (tests/CMakeLists.txt), not by the
// folder's list of classes.
static testsupport::Registrar keyringRegistrar("KeyringPasswordsTest", [] {
    return std::unique_ptr<QObject>(new KeyringPasswordsTest);
});
static testsupport::Registrar askedRegistrar("AskedPasswordsTest", [] {
    return std::unique_ptr<QObject>(new AskedPasswordsTest);
});
#include "PasswordsTest.moc"
