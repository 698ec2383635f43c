#include "mail/window/KeyringPasswords.h"

#include <QCoreApplication>
#include <qt6keychain/keychain.h>

namespace {
// Each job deletes itself once it has finished.
template <typename Job> Job* newJob(QObject* parent, const QString& key) {
    auto* job = new Job(KeyringPasswords::service(), parent);
    job->setAutoDelete(true);
    job->setInsecureFallback(false); // a password in a plain file is what this avoids
    job->setKey(key);
    return job;
}
} // namespace

KeyringPasswords::KeyringPasswords(PasswordSource& fallback, QObject* parent)
    : QObject(parent), fallback_(fallback) {}

QString KeyringPasswords::service() {
    return QCoreApplication::applicationName() + QStringLiteral(" mail");
}

QString KeyringPasswords::key(const QString& host, const QString& user) {
    return user + QLatin1Char('@') + host;
}

void KeyringPasswords::fetch(const QString& host, const QString& user,
                             std::function<void(std::optional<QString>)> done) {
    auto* job = newJob<QKeychain::ReadPasswordJob>(this, key(host, user));
    connect(job, &QKeychain::Job::finished, this, [this, job, host, user, done = std::move(done)] {
        if (job->error() == QKeychain::NoError)
            done(job->textData());
        else
            fallback_.fetch(host, user, done);
    });
    job->start();
}

void KeyringPasswords::forget(const QString& host, const QString& user) {
    newJob<QKeychain::DeletePasswordJob>(this, key(host, user))->start();
    fallback_.forget(host, user);
}

void KeyringPasswords::store(const QString& host, const QString& user, const QString& password,
                             std::function<void(std::optional<QString> error)> done) {
    auto* job = newJob<QKeychain::WritePasswordJob>(this, key(host, user));
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [job, done = std::move(done)] {
        if (job->error() == QKeychain::NoError)
            done(std::nullopt);
        else
            done(job->errorString().isEmpty() ? tr("no keyring answered") : job->errorString());
    });
    job->start();
}
