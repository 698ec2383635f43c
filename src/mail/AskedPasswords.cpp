#include "mail/AskedPasswords.h"

#include "context/Prompts.h"

void AskedPasswords::fetch(const QString& host, const QString& user,
                           std::function<void(std::optional<QString>)> done) {
    Prompts::Input in;
    in.caption = QStringLiteral("Sign In");
    in.prompt = QStringLiteral("Password of %1 on %2: ").arg(user, host);
    in.secret = true;
    in.maxLength = 1024;
    done(prompts_.input(owner_, in));
}
