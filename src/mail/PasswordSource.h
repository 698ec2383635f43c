#pragma once
#include <QString>
#include <functional>
#include <optional>

// Where the sign-in password comes from when a mail is sent: the desktop's
// keyring, or the user asked each time. It may answer later (a keyring read
// is asynchronous); nullopt when the user cancelled or none is to be had.
class PasswordSource {
public:
    virtual ~PasswordSource() = default;
    virtual void fetch(const QString& host, const QString& user,
                       std::function<void(std::optional<QString>)> done) = 0;
    // The server refused the sign-in: forget what was kept, so the next send asks.
    virtual void forget(const QString& host, const QString& user) = 0;
};
