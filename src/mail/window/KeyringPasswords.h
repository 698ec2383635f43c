#pragma once
#include "mail/EmailSetupSaver.h"
#include "mail/PasswordSource.h"

#include <QObject>

// Sign-in passwords in the desktop's keyring (the Secret Service). Where no
// keyring answers, or it holds no password for the account, the fallback is
// asked instead. Nothing is ever written to a file of ours: a keyring that
// cannot keep the password makes store() fail, it does not fall back to disk.
class KeyringPasswords : public QObject, public PasswordSource, public PasswordStore {
    Q_OBJECT
public:
    explicit KeyringPasswords(PasswordSource& fallback, QObject* parent = nullptr);

    void fetch(const QString& host, const QString& user,
               std::function<void(std::optional<QString>)> done) override;
    void forget(const QString& host, const QString& user) override;
    void store(const QString& host, const QString& user, const QString& password,
               std::function<void(std::optional<QString> error)> done) override;

    // The keyring entry's service and key: one per user and host.
    static QString service();
    static QString key(const QString& host, const QString& user);

private:
    PasswordSource& fallback_;
};
