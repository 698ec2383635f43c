#include "mail/EmailSettings.h"

#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "core/StripSettings.h"

namespace {
const QString kSetup = QStringLiteral("EMAILSETUP");
constexpr int kLimit = 80; // each value is read into an 80-character buffer
} // namespace

EmailSetup EmailSettings::read() const {
    EmailSetup s;
    s.host = file_.read(kSetup, QStringLiteral("Host"), kLimit).text;
    s.userId = file_.read(kSetup, QStringLiteral("UserID"), kLimit).text;
    s.address = file_.read(kSetup, QStringLiteral("EAddress"), kLimit).text;
    s.name = file_.read(kSetup, QStringLiteral("YourName"), kLimit).text;
    return s;
}

void EmailSettings::write(const EmailSetup& s) {
    file_.write(kSetup, QStringLiteral("Host"), s.host);
    file_.write(kSetup, QStringLiteral("UserID"), s.userId);
    file_.write(kSetup, QStringLiteral("EAddress"), s.address);
    file_.write(kSetup, QStringLiteral("YourName"), s.name);
}

QString EmailSettings::docEmail() const {
    const ControlFile::Value v =
        file_.read(QStringLiteral("EMAIL"), QStringLiteral("DocEmail"), kLimit);
    return v.isSet() ? v.text : QString();
}

std::optional<uint32_t> EmailSettings::programColor() const {
    return StripSettings::programColor(file_);
}
