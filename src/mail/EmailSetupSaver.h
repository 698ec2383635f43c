#pragma once
#include "mail/EmailSettings.h"

#include <QString>
#include <functional>
#include <optional>

class Prompts;
class QWidget;

// What the setup page holds when Save Setup is pressed.
struct SetupEntry {
    EmailSetup setup; // authUser as typed, kept only when signIn is on
    bool signIn = false;
    QString password; // empty: keep whatever the keyring already has
};

// What saving the setup needs of the setup page.
class SetupView {
public:
    enum class Field { Host, UserId, Address, Name, AuthUser, Security };
    virtual ~SetupView() = default;
    virtual SetupEntry entry() const = 0;
    virtual void focus(Field field) = 0; // when it is showing
    // The current-setup display: each non-empty value into its label.
    virtual void showCurrent(const EmailSetup& setup) = 0;
    // Hide the setup page and show the send page.
    virtual void closeSetup() = 0;
    // The port and security a search found.
    virtual void showFound(const EmailSetup&) {}
    // What a setup check waits for now; empty when none runs.
    virtual void showCheckStatus(const QString&) {}
};

// Where a password typed on the setup page is kept. `done` gets nullopt when
// it was stored, else the reason it was not.
class PasswordStore {
public:
    virtual ~PasswordStore() = default;
    virtual void store(const QString& host, const QString& user, const QString& password,
                       std::function<void(std::optional<QString> error)> done) = 0;
};

// Save Setup: the question, the checks in the order of the page, the warning
// for a sign-in without a secured connection, the control file, the keyring.
class EmailSetupSaver {
public:
    EmailSetupSaver(EmailSettings& settings, Prompts& prompts, QWidget* owner, SetupView& view,
                    PasswordStore& passwords);

    void save();

    struct Problem {
        SetupView::Field field;
        QString text;
    };
    // The first empty field the setup cannot do without.
    static std::optional<Problem> firstProblem(const SetupEntry& entry);
    // The same for trying the setup: the host, and the user name when signing in.
    static std::optional<Problem> firstCheckProblem(const SetupEntry& entry);
    // The port to show after the security choice changed: the usual port of
    // the new choice when the old one was a usual port, else the user's own.
    static quint16 proposedPort(MailSecurity security, quint16 current);

private:
    EmailSettings& settings_;
    Prompts& prompts_;
    QWidget* owner_;
    SetupView& view_;
    PasswordStore& passwords_;
};
