#include "mail/AskedPasswords.h"

#include "context/Prompts.h"

#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AskedPasswords)
};
} // namespace

void AskedPasswords::fetch(const QString& host, const QString& user,
                           std::function<void(std::optional<QString>)> done) {
    Prompts::Input in;
    in.caption = Text::tr("Sign In");
    in.prompt = Text::tr("Password of %1 on %2: ").arg(user, host);
    in.secret = true;
    in.maxLength = 1024;
    // Also asked from the keyring's answer: the box must not hold up that flow.
    prompts_.inputLater(owner_, in, std::move(done));
}
