#include "mail/SetupTester.h"

#include "context/Prompts.h"
#include "mail/PasswordSource.h"

#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SetupTester)
};
} // namespace

SetupTester::SetupTester(Prompts& prompts, QWidget* owner, SetupView& view,
                         PasswordSource* passwords)
    : prompts_(prompts), owner_(owner), view_(view), passwords_(passwords) {
    QObject::connect(&check_, &SetupCheck::waiting, &check_,
                     [this](const QString& text) { view_.showCheckStatus(text); });
    QObject::connect(&check_, &SetupCheck::finished, &check_,
                     [this](const SetupCheck::Result& r) { done(r); });
}

std::optional<SetupEntry> SetupTester::checkedEntry() {
    SetupEntry entry = view_.entry();
    if (const auto problem = EmailSetupSaver::firstCheckProblem(entry)) {
        prompts_.notice(owner_, problem->text);
        view_.focus(problem->field);
        return std::nullopt;
    }
    entry.setup.host = entry.setup.host.trimmed();
    entry.setup.authUser = entry.signIn ? entry.setup.authUser.trimmed() : QString();
    return entry;
}

void SetupTester::test() {
    const std::optional<SetupEntry> entry = checkedEntry();
    if (!entry)
        return;
    finding_ = false;
    if (entry->setup.authUser.isEmpty() || !entry->password.isEmpty() || !passwords_) {
        check_.check(entry->setup, entry->password);
        return;
    }
    // No password typed: the one kept in the keyring, or the user asked.
    std::weak_ptr<bool> alive = alive_;
    const EmailSetup setup = entry->setup;
    passwords_->fetch(
        setup.host, setup.authUser, [this, alive, setup](std::optional<QString> password) {
            if (alive.expired())
                return;
            if (!password) {
                prompts_.noticeLater(owner_, Text::tr("No password was given, so the sign-in "
                                                      "could not be tried."));
                return;
            }
            check_.check(setup, *password);
            password->fill(QChar(0));
        });
}

void SetupTester::findSettings() {
    const std::optional<SetupEntry> entry = checkedEntry();
    if (!entry)
        return;
    finding_ = true;
    check_.find(entry->setup);
}

void SetupTester::done(const SetupCheck::Result& r) {
    view_.showCheckStatus(QString());
    if (finding_ && r.works)
        view_.showFound(r.found);
    const Prompts::Box box{Text::tr("Setup Check"), r.text,
                           r.works ? Prompts::Icon::Information : Prompts::Icon::Warning,
                           Prompts::Ok};
    prompts_.boxLater(owner_, box, {});
}
