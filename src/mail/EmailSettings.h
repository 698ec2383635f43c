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
};

// Every section, key and read limit the e-mail window uses, spelt once.
class EmailSettings {
public:
    explicit EmailSettings(ControlFile& file) : file_(file) {}

    EmailSetup read() const;
    // Host, UserID, EAddress, YourName, in that order.
    void write(const EmailSetup& setup);
    // The recipient override; empty unless it has more than two characters.
    QString docEmail() const;
    // The launcher strip's colour, when one is stored.
    std::optional<uint32_t> programColor() const;

private:
    ControlFile& file_;
};
