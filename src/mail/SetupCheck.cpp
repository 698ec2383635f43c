#include "mail/SetupCheck.h"

#include "mail/SmtpErrors.h"

namespace {
// Finding settings tries up to four ports; a host that lets connections
// hang must not keep the user waiting minutes.
constexpr int kFindLimitMs = 10000;
} // namespace

SetupCheck::SetupCheck(QObject* parent) : QObject(parent) {
    connect(&client_, &TSmtpClient::OnConnect, this, &SetupCheck::connected);
    connect(&client_, &TSmtpClient::OnError, this, &SetupCheck::failedWith);
    connect(&client_, &TSmtpClient::OnWaiting, this, [this](SmtpStage stage) {
        if (running_)
            emit waiting(smtperrors::waitingFor(stage, client_.Host, client_.Port));
    });
}

void SetupCheck::useTrustStore(const QList<QSslCertificate>& certificates) {
    client_.setTrustStore(certificates);
}

void SetupCheck::usePorts(quint16 tls, quint16 startTls, quint16 plain) {
    ports_[0] = tls;
    ports_[1] = startTls;
    ports_[2] = plain;
}

void SetupCheck::check(const EmailSetup& setup, const QString& password) {
    cancel();
    finding_ = false;
    start(setup, password);
}

void SetupCheck::find(const EmailSetup& setup) {
    cancel();
    finding_ = true;
    missed_.clear();
    tries_ = {{ports_[0], MailSecurity::Tls},
              {ports_[1], MailSecurity::StartTls},
              {ports_[2], MailSecurity::StartTls},
              {ports_[2], MailSecurity::None}};
    EmailSetup first = setup;
    first.authUser.clear(); // the port is what is looked for, not the account
    const Try t = tries_.takeFirst();
    first.port = t.port;
    first.security = t.security;
    start(first, {});
}

void SetupCheck::start(const EmailSetup& setup, const QString& password) {
    setup_ = setup;
    client_.Host = setup.host;
    client_.Port = setup.port;
    client_.Security = setup.security;
    client_.AuthUser = setup.authUser;
    client_.setPassword(setup.authUser.isEmpty() ? QString() : password);
    const int limit = timeLimitMs_.value_or(setup.timeLimit * 1000);
    client_.TimeOut = finding_ ? std::min(limit, kFindLimitMs) : limit;
    running_ = true;
    client_.Connect();
}

void SetupCheck::cancel() {
    running_ = false;
    if (client_.Connected() || client_.Busy())
        client_.Disconnect();
}

QString SetupCheck::worked() const {
    QStringList said;
    said << tr("The setup works: %1 answered on port %2.").arg(setup_.host).arg(setup_.port);
    said << (client_.Encrypted() ? tr("The connection is secured with TLS.")
                                 : tr("The connection is not secured."));
    if (!setup_.authUser.isEmpty())
        said << tr("The sign-in as %1 was accepted.").arg(setup_.authUser);
    said << tr("Nothing was sent.");
    QString text = said.join(QLatin1Char(' '));
    if (!client_.Encrypted() && client_.Extensions().contains(QStringLiteral("STARTTLS")))
        text += QStringLiteral("\r\r") +
                tr("The server offers TLS: choose STARTTLS as Security to keep your password "
                   "and your mail private on the way.");
    return text;
}

void SetupCheck::connected() {
    if (!running_)
        return;
    QString text;
    if (finding_) {
        const QString security =
            setup_.security == MailSecurity::None ? tr("no TLS") : securityText(setup_.security);
        text = tr("A mail server answered on %1 port %2 with %3. Port and Security are filled "
                  "in; save the setup to keep them.")
                   .arg(setup_.host)
                   .arg(setup_.port)
                   .arg(security);
    } else {
        text = worked();
    }
    running_ = false;
    client_.Disconnect(); // QUIT: nothing is sent
    finish(true, text);
}

void SetupCheck::failedWith(const QString& text) {
    if (!running_)
        return;
    const QString cause = smtperrors::words(client_.Failure());
    const QString why = cause.isEmpty() ? text : cause;
    if (!finding_) {
        running_ = false;
        finish(false, why);
        return;
    }
    missed_ << tr("Port %1 with %2: %3")
                   .arg(setup_.port)
                   .arg(setup_.security == MailSecurity::None ? tr("no TLS")
                                                              : securityText(setup_.security),
                        why);
    if (tries_.isEmpty()) {
        running_ = false;
        finish(false, tr("No mail server answered on %1:").arg(setup_.host) + QStringLiteral("\r") +
                          missed_.join(QStringLiteral("\r")));
        return;
    }
    const Try t = tries_.takeFirst();
    setup_.port = t.port;
    setup_.security = t.security;
    // Not from inside the client's own report of the failure.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (running_)
                start(setup_, {});
        },
        Qt::QueuedConnection);
}

void SetupCheck::finish(bool works, const QString& text) {
    Result r;
    r.works = works;
    r.text = text;
    r.found = setup_;
    emit finished(r);
}
