#include "platform/UserRegistry.h"

#include "core/AtomicFile.h"
#include "core/Error.h"
#include "core/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(UserRegistry)
};
} // namespace

const QString UserRegistry::rootKey = QStringLiteral("Software\\Fernhollow\\Pathnook");

UserRegistry::UserRegistry() = default;
UserRegistry::~UserRegistry() = default;

std::optional<QString> UserRegistry::groupOf(const QString& key) {
    QString k = key;
    while (k.startsWith(u'\\'))
        k.remove(0, 1);
    while (k.endsWith(u'\\'))
        k.chop(1);
    if (k.compare(rootKey, Qt::CaseInsensitive) == 0)
        return QString();
    const QString prefix = rootKey + u'\\';
    if (!k.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringList parts = k.mid(prefix.size()).split(u'\\');
    for (const QString& part : parts)
        if (part.isEmpty() || part.contains(u'/'))
            return std::nullopt;
    return parts.join(u'/');
}

std::unique_ptr<QSettings> UserRegistry::settings() const {
    // The per-user file alone, without the organisation-wide and system
    // fallbacks. QSettings reads its files as it is made: a FIFO there would
    // block the window that asked, a huge file would be read whole. Only a
    // regular file under the cap, or none yet, is used. The folder is the
    // one QSettings uses for the user, learnt from a store nobody has.
    const QString userFolder = QFileInfo(QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                                   QStringLiteral(".tabdeck-folder-probe"))
                                             .fileName())
                                   .absolutePath();
    const QString file = userFolder + QStringLiteral("/Fernhollow/Pathnook.conf");
    const regularfile::Handle check(file, storeCap);
    if (!check.ok() && check.status() != regularfile::Status::Missing)
        return nullptr;
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

bool UserRegistry::keyExists(const QString& key) const {
    auto group = groupOf(key);
    if (!group)
        return false;
    auto s = settings();
    if (!s || !QFileInfo::exists(s->fileName()))
        return false;
    if (group->isEmpty())
        return true;
    s->beginGroup(*group);
    return !s->allKeys().isEmpty();
}

bool UserRegistry::openKey(const QString& key, bool canCreate) {
    auto group = groupOf(key);
    if (!group)
        return false;
    if (!canCreate && !keyExists(key))
        return false;
    if (canCreate) {
        // The store's file stands for the root key, so creating any key
        // makes sure it is there.
        auto s = settings();
        if (!s)
            return false;
        const QString file = s->fileName();
        if (!QFileInfo::exists(file)) {
            QDir().mkpath(QFileInfo(file).absolutePath());
            if (!atomicfile::replace(file, QByteArray()))
                return false;
        }
    }
    open_ = *group;
    return true;
}

void UserRegistry::closeKey() {
    open_.reset();
}

QString UserRegistry::valueKey(const QString& name) const {
    return open_->isEmpty() ? name : *open_ + u'/' + name;
}

bool UserRegistry::valueExists(const QString& name) const {
    if (!open_)
        return false;
    auto s = settings();
    return s && s->contains(valueKey(name));
}

std::optional<QString> UserRegistry::readString(const QString& name) const {
    if (!open_)
        return std::nullopt;
    auto s = settings();
    const QString k = valueKey(name);
    if (!s || !s->contains(k))
        return std::nullopt;
    return s->value(k).toString();
}

void UserRegistry::writeString(const QString& name, const QString& value) {
    const QString failed = Text::tr("Failed to set data for '%1'").arg(name);
    if (!open_ || name.isEmpty())
        throw AppError(failed);
    auto s = settings();
    if (!s)
        throw AppError(failed);
    s->setValue(valueKey(name), value);
    s->sync();
    if (s->status() != QSettings::NoError)
        throw AppError(failed);
}

bool UserRegistry::deleteValue(const QString& name) {
    if (!open_)
        return false;
    auto s = settings();
    const QString k = valueKey(name);
    if (!s || !s->contains(k))
        return false;
    s->remove(k);
    s->sync();
    return s->status() == QSettings::NoError;
}

bool UserRegistry::deleteKey(const QString& key) {
    auto group = groupOf(key);
    if (!group || !keyExists(key))
        return false;
    auto s = settings();
    if (!s)
        return false;
    if (group->isEmpty()) {
        s->clear();
        s->sync();
        const QString file = s->fileName();
        s.reset();
        if (open_)
            open_.reset();
        return QFile::remove(file) || !QFileInfo::exists(file);
    }
    s->remove(*group);
    s->sync();
    if (open_ && (*open_ == *group || open_->startsWith(*group + u'/')))
        open_.reset();
    return s->status() == QSettings::NoError;
}
