#pragma once
#include "mail/EmailSettings.h"
#include "mail/TSmtpClient.h"

#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <optional>

// Tries a mail setup against its server without sending anything: connect,
// greeting, EHLO, TLS, sign-in, QUIT; and finds which of the usual ports and
// securities a host answers on. One at a time; each ends in `finished`.
class SetupCheck : public QObject {
    Q_OBJECT
public:
    struct Result {
        bool works = false;
        QString text;     // what worked or what failed, in plain words
        EmailSetup found; // for find(): the port and security that answered
    };

    explicit SetupCheck(QObject* parent = nullptr);

    // Signs in with `password` when the setup has a sign-in user.
    void check(const EmailSetup& setup, const QString& password);
    // 465 with SSL/TLS, 587 with STARTTLS, 25 with STARTTLS, 25 in clear:
    // the first that greets and answers EHLO (and TLS) is what is found.
    void find(const EmailSetup& setup);
    // Ends whatever runs, at once and without a result.
    void cancel();
    bool running() const { return running_; }

    // Servers of the tests' own: their authority and ports instead of the usual ones.
    void useTrustStore(const QList<QSslCertificate>& certificates);
    void usePorts(quint16 tls, quint16 startTls, quint16 plain);
    void useTimeLimit(int ms) { timeLimitMs_ = ms; }

signals:
    // What the check waits for now, for the status line.
    void waiting(const QString& text);
    void finished(const SetupCheck::Result& result);

private:
    struct Try {
        quint16 port;
        MailSecurity security;
    };
    void start(const EmailSetup& setup, const QString& password);
    void connected();
    void failedWith(const QString& text);
    void finish(bool works, const QString& text);
    QString worked() const;

    TSmtpClient client_;
    EmailSetup setup_;
    QList<Try> tries_;   // find(): what is left to try
    QStringList missed_; // find(): why each try failed
    bool finding_ = false;
    bool running_ = false;
    std::optional<int> timeLimitMs_;
    // SSL/TLS, STARTTLS, in clear.
    quint16 ports_[3] = {usualPort(MailSecurity::Tls), usualPort(MailSecurity::StartTls),
                         usualPort(MailSecurity::None)};
};
