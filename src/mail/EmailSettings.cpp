#include "mail/EmailSettings.h"

#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "core/StripSettings.h"

#include <QCoreApplication>
#include <QFile>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EmailSettings)
};

const QString kSetup = QStringLiteral("EMAILSETUP");
constexpr int kLimit = 80; // each value is read into an 80-character buffer
constexpr quint16 kClassicPort = 25;

const struct {
    MailSecurity security;
    const char* text;
} kSecurityTexts[] = {{MailSecurity::StartTls, "STARTTLS"},
                      {MailSecurity::Tls, "SSL/TLS"},
                      {MailSecurity::None, "None"}};

QString value(const ControlFile& file, const char* key) {
    return file.read(kSetup, QString::fromLatin1(key), kLimit).text;
}

quint16 portFrom(const QString& text) {
    if (text.trimmed().isEmpty())
        return kClassicPort;
    bool ok = false;
    const uint port = text.trimmed().toUInt(&ok, 10);
    if (!ok || port == 0 || port > 65535)
        throw ConversionError(text);
    return quint16(port);
}
} // namespace

QString securityText(MailSecurity security) {
    for (const auto& s : kSecurityTexts) {
        if (s.security == security)
            return QString::fromLatin1(s.text);
    }
    return {};
}

std::optional<MailSecurity> securityFromText(const QString& text) {
    for (const auto& s : kSecurityTexts) {
        if (text.trimmed().compare(QLatin1String(s.text), Qt::CaseInsensitive) == 0)
            return s.security;
    }
    return std::nullopt;
}

EmailSetup EmailSettings::read() const {
    EmailSetup s;
    s.host = value(file_, "Host");
    s.userId = value(file_, "UserID");
    s.address = value(file_, "EAddress");
    s.name = value(file_, "YourName");
    s.port = portFrom(value(file_, "Port"));
    const QString security = value(file_, "Security");
    if (!security.trimmed().isEmpty()) {
        const std::optional<MailSecurity> known = securityFromText(security);
        if (!known)
            throw AppError(Text::tr("'%1' is not a valid security setting; choose "
                                    "STARTTLS, SSL/TLS or None on the setup page")
                               .arg(security));
        s.security = *known;
    }
    s.authUser = value(file_, "AuthUser");
    const QString limit = value(file_, "TimeLimit").trimmed();
    if (!limit.isEmpty()) {
        bool ok = false;
        const int seconds = limit.toInt(&ok, 10);
        if (!ok || seconds < 1 || seconds > EmailSetup::kMaxTimeLimit)
            throw ConversionError(limit);
        s.timeLimit = seconds;
    }
    return s;
}

void EmailSettings::protect() const {
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const QFile::Permissions now = QFile::permissions(file_.path());
    if (!(now & others))
        return;
    for (const char* key : {"Host", "UserID", "EAddress", "AuthUser"}) {
        if (!value(file_, key).isEmpty()) {
            QFile::setPermissions(file_.path(), now & ~others);
            return;
        }
    }
}

void EmailSettings::write(const EmailSetup& s) {
    // Owner only before the account goes in; the replacement keeps the bits.
    const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    if (QFile::exists(file_.path()))
        QFile::setPermissions(file_.path(), ownerOnly);
    file_.writeAll({{kSetup, QStringLiteral("Host"), s.host},
                    {kSetup, QStringLiteral("UserID"), s.userId},
                    {kSetup, QStringLiteral("EAddress"), s.address},
                    {kSetup, QStringLiteral("YourName"), s.name},
                    {kSetup, QStringLiteral("Port"), QString::number(s.port)},
                    {kSetup, QStringLiteral("Security"), securityText(s.security)},
                    {kSetup, QStringLiteral("AuthUser"), s.authUser},
                    {kSetup, QStringLiteral("TimeLimit"), QString::number(s.timeLimit)}});
    QFile::setPermissions(file_.path(), ownerOnly);
}

QString EmailSettings::docEmail() const {
    const ControlFile::Value v =
        file_.read(QStringLiteral("EMAIL"), QStringLiteral("DocEmail"), kLimit);
    return v.isSet() ? v.text : QString();
}

std::optional<uint32_t> EmailSettings::programColor() const {
    return StripSettings::programColor(file_);
}
