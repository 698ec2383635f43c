#pragma once
#include "mail/PasswordSource.h"

class Prompts;
class QWidget;

// The password asked from the user at each send, in a box that hides what is
// typed. The answer goes to the one send that asked and is kept nowhere.
class AskedPasswords : public PasswordSource {
public:
    AskedPasswords(Prompts& prompts, QWidget* owner) : prompts_(prompts), owner_(owner) {}

    void fetch(const QString& host, const QString& user,
               std::function<void(std::optional<QString>)> done) override;
    void forget(const QString&, const QString&) override {} // nothing is kept

private:
    Prompts& prompts_;
    QWidget* owner_;
};
