#pragma once
#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

class QSettings;

// The per-user registry of the file manager's settings. Keys are written as
// on Windows ("Software\Fernhollow\Pathnook\Options"); the store is an INI
// file of QSettings in the user's configuration folder
// (~/.config/Fernhollow/Pathnook.conf), and a key below
// "Software\Fernhollow\Pathnook" is a group of it. Other keys do not exist
// and cannot be created.
class UserRegistry {
public:
    static const QString rootKey; // Software\Fernhollow\Pathnook
    // The largest store file that is read; a larger one, or one that is not
    // a regular file, counts as a key that cannot be opened.
    static constexpr qint64 storeCap = 1024 * 1024;

    UserRegistry();
    ~UserRegistry();
    UserRegistry(const UserRegistry&) = delete;
    UserRegistry& operator=(const UserRegistry&) = delete;

    bool keyExists(const QString& key) const;
    // Opens a key for the value calls; without canCreate only an existing
    // one. False when the key cannot be opened.
    bool openKey(const QString& key, bool canCreate);
    void closeKey();
    bool isOpen() const { return open_.has_value(); }

    bool valueExists(const QString& name) const;
    // The string value, or none when it is absent or no key is open.
    std::optional<QString> readString(const QString& name) const;
    // Throws AppError "Failed to set data for '<name>'" when it cannot be written.
    void writeString(const QString& name, const QString& value);
    bool deleteValue(const QString& name);
    // Deletes a key with everything under it; false when it did not exist
    // or could not be removed.
    bool deleteKey(const QString& key);

private:
    // The group for a key: "" for the root, "Options" for its subkey;
    // none for a key outside the store.
    static std::optional<QString> groupOf(const QString& key);
    // The store, or none when its file must not be read.
    std::unique_ptr<QSettings> settings() const;
    QString valueKey(const QString& name) const;

    std::optional<QString> open_;
};
