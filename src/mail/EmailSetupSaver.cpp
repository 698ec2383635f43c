#include "mail/EmailSetupSaver.h"

#include "context/Prompts.h"

#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(EmailSetupSaver)
};

const char* const kClearTextWarning = QT_TRANSLATE_NOOP(
    "EmailSetupSaver",
    "With Security set to None the connection is not secured: your sign-in name and "
    "password cross the network as plain text, and anyone on the way can read them.\r\r"
    "Save this setup anyway?");

const char* const kNoHost =
    QT_TRANSLATE_NOOP("EmailSetupSaver", "You have to enter your e-mail Host.");

// Signing in needs the name to sign in with.
std::optional<EmailSetupSaver::Problem> signInProblem(const SetupEntry& e) {
    if (e.signIn && e.setup.authUser.trimmed().isEmpty())
        return EmailSetupSaver::Problem{SetupView::Field::AuthUser,
                                        Text::tr("You have to enter the user name to sign in "
                                                 "with, or turn Sign in off.")};
    return std::nullopt;
}
} // namespace

EmailSetupSaver::EmailSetupSaver(EmailSettings& settings, Prompts& prompts, QWidget* owner,
                                 SetupView& view, PasswordStore& passwords)
    : settings_(settings), prompts_(prompts), owner_(owner), view_(view), passwords_(passwords) {}

std::optional<EmailSetupSaver::Problem> EmailSetupSaver::firstProblem(const SetupEntry& e) {
    using F = SetupView::Field;
    const struct {
        F field;
        const QString& value;
        const char* text;
    } checks[] = {{F::Host, e.setup.host, kNoHost},
                  {F::UserId, e.setup.userId,
                   QT_TRANSLATE_NOOP("EmailSetupSaver", "You have to enter your UserID.")},
                  {F::Address, e.setup.address,
                   QT_TRANSLATE_NOOP("EmailSetupSaver", "You have to enter your e-mail address.")},
                  {F::Name, e.setup.name,
                   QT_TRANSLATE_NOOP("EmailSetupSaver", "You have to enter your name.")}};
    for (const auto& c : checks) {
        if (c.value.isEmpty())
            return Problem{c.field, Text::tr(c.text)};
    }
    return signInProblem(e);
}

std::optional<EmailSetupSaver::Problem> EmailSetupSaver::firstCheckProblem(const SetupEntry& e) {
    if (e.setup.host.trimmed().isEmpty())
        return Problem{SetupView::Field::Host, Text::tr(kNoHost)};
    return signInProblem(e);
}

quint16 EmailSetupSaver::proposedPort(MailSecurity security, quint16 current) {
    const bool usual = current == usualPort(MailSecurity::None) ||
                       current == usualPort(MailSecurity::Tls) ||
                       current == usualPort(MailSecurity::StartTls);
    if (!usual)
        return current;
    // In clear, a submission port stays what it was; only the TLS port has to go.
    if (security == MailSecurity::None && current != usualPort(MailSecurity::Tls))
        return current;
    return usualPort(security);
}

void EmailSetupSaver::save() {
    if (!prompts_.confirm(owner_,
                          Text::tr("Are you sure you want to save the the e-mail setup now?")))
        return;
    SetupEntry entry = view_.entry();
    if (const std::optional<Problem> problem = firstProblem(entry)) {
        prompts_.notice(owner_, problem->text);
        view_.focus(problem->field);
        return;
    }
    if (!entry.signIn) {
        entry.setup.authUser.clear();
        entry.password.clear();
    }
    entry.setup.authUser = entry.setup.authUser.trimmed();
    if (entry.signIn && entry.setup.security == MailSecurity::None) {
        const Prompts::Box warning{Text::tr("Sign In Without Security"),
                                   Text::tr(kClearTextWarning), Prompts::Icon::Warning,
                                   Prompts::Yes | Prompts::No};
        if (prompts_.box(owner_, warning) != Prompts::Yes) {
            view_.focus(SetupView::Field::Security);
            return;
        }
    }
    settings_.write(entry.setup);
    view_.showCurrent(entry.setup);
    prompts_.notice(owner_, Text::tr("The e-mail information was saved!"));
    view_.closeSetup();
    if (entry.password.isEmpty())
        return;
    // The keyring may answer later; the page has closed by then.
    passwords_.store(entry.setup.host, entry.setup.authUser, entry.password,
                     [this](std::optional<QString> error) {
                         if (!error)
                             return;
                         prompts_.notice(owner_,
                                         Text::tr("The password could not be kept in the desktop's "
                                                  "keyring (%1).\rYou will be asked for it at each "
                                                  "send; it is not written to any file.")
                                             .arg(*error));
                     });
}
