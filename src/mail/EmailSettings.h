#pragma once
#include <QString>
#include <cstdint>
#include <optional>

class ControlFile;

// How the connection to the mail server is secured.
enum class MailSecurity { StartTls, Tls, None };

// The account the e-mail window sends from, as the control file keeps it.
struct EmailSetup {
    QString host;
    QString userId;
    QString address;
    QString name;
    // A setup stored without these keys connects as it always did: port 25,
    // in clear, without signing in.
    quint16 port = 25;
    MailSecurity security = MailSecurity::None;
    QString authUser; // empty: no sign-in
    // Seconds the client waits for any step without progress before it gives up.
    int timeLimit = kDefaultTimeLimit;
    static constexpr int kDefaultTimeLimit = 60;
    static constexpr int kMaxTimeLimit = 3600;
};

// The stored text of a security choice ("STARTTLS", "SSL/TLS", "None") and back;
// nullopt for a text that names none of them.
QString securityText(MailSecurity security);
std::optional<MailSecurity> securityFromText(const QString& text);

// The port servers take mail on with a security choice: 587 with STARTTLS,
// 465 with SSL/TLS, 25 in clear.
constexpr quint16 usualPort(MailSecurity security) {
    switch (security) {
    case MailSecurity::StartTls:
        return 587;
    case MailSecurity::Tls:
        return 465;
    case MailSecurity::None:
        break;
    }
    return 25;
}

// Every section, key and read limit the e-mail window uses, spelt once.
class EmailSettings {
public:
    explicit EmailSettings(ControlFile& file) : file_(file) {}

    // A Port that is not a number from 1 to 65535, or a Security that names
    // no choice, is an AppError: guessing would connect in clear where the
    // user asked for a secured connection.
    EmailSetup read() const;
    // Host, UserID, EAddress, YourName, then Port, Security, AuthUser and
    // TimeLimit, as
    // one replacement of the file. The file is made readable by its owner only
    // first, since it then holds the account.
    void write(const EmailSetup& setup);
    // A file that already holds an account, written before it was kept
    // private, becomes its owner's only.
    void protect() const;
    // The recipient override; empty unless it has more than two characters.
    QString docEmail() const;
    // The launcher strip's colour, when one is stored.
    std::optional<uint32_t> programColor() const;

private:
    ControlFile& file_;
};
