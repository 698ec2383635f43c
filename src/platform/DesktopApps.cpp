// GLib's headers name struct members "signals"; Qt's keyword macros must not
// see them.
#include <gio/gdesktopappinfo.h>
#include <glib.h>

#include "platform/DesktopApps.h"

#include "core/RegularFile.h"
#include "platform/DesktopEntry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <memory>
#include <mutex>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DesktopApps)
};
} // namespace

namespace desktopapps {
namespace {

constexpr qint64 MaxFileSize = 1 << 20;
constexpr int MaxCached = 512;
const char* const MainGroup = "Desktop Entry";

struct KeyFileFree {
    void operator()(GKeyFile* f) const { g_key_file_free(f); }
};
using KeyFile = std::unique_ptr<GKeyFile, KeyFileFree>;

QString take(gchar* text) {
    const QString out = QString::fromUtf8(text);
    g_free(text);
    return out;
}

QString localeString(GKeyFile* file, const QByteArray& group, const char* key) {
    return take(g_key_file_get_locale_string(file, group.constData(), key, nullptr, nullptr));
}

QString plainString(GKeyFile* file, const QByteArray& group, const char* key) {
    return take(g_key_file_get_string(file, group.constData(), key, nullptr));
}

bool installed(const QString& program) {
    if (program.isEmpty())
        return true;
    gchar* found = g_find_program_in_path(program.toUtf8().constData());
    const bool there = found != nullptr;
    g_free(found);
    return there;
}

// The program GLib would not find, by the same rules it applies: TryExec
// first, then the first word of Exec.
QString missingProgram(GKeyFile* file) {
    const QString tryExec = plainString(file, MainGroup, "TryExec");
    if (!installed(tryExec))
        return tryExec;
    gchar* exec = g_key_file_get_string(file, MainGroup, "Exec", nullptr);
    QString missing;
    gint argc = 0;
    gchar** argv = nullptr;
    if (exec && *exec && g_shell_parse_argv(exec, &argc, &argv, nullptr) && argc > 0) {
        const QString program = QString::fromUtf8(argv[0]);
        if (!installed(program))
            missing = program;
    }
    g_strfreev(argv);
    g_free(exec);
    return missing;
}

KeyFile load(const QString& path) {
    const regularfile::Result got = regularfile::read(path, MaxFileSize);
    if (!got.ok())
        return nullptr;
    KeyFile file(g_key_file_new());
    if (!g_key_file_load_from_data(file.get(), got.bytes.constData(), gsize(got.bytes.size()),
                                   G_KEY_FILE_NONE, nullptr) ||
        !g_key_file_has_group(file.get(), MainGroup))
        return nullptr;
    return file;
}

Entry describe(GKeyFile* file) {
    Entry entry;
    entry.name = localeString(file, MainGroup, "Name");
    entry.comment = localeString(file, MainGroup, "Comment");
    entry.icon = localeString(file, MainGroup, "Icon");
    const QString type = plainString(file, MainGroup, "Type");
    if (type != QLatin1String("Application"))
        return entry;
    entry.terminal = g_key_file_get_boolean(file, MainGroup, "Terminal", nullptr);
    entry.workingDir = plainString(file, MainGroup, "Path");
    // GLib's own verdict on whether the entry can run; a refusal is then
    // put into the name of the program that is missing.
    GDesktopAppInfo* info = g_desktop_app_info_new_from_keyfile(file);
    if (!info) {
        entry.missingProgram = missingProgram(file);
        if (entry.missingProgram.isEmpty())
            entry.missingProgram = plainString(file, MainGroup, "Exec");
    } else {
        g_object_unref(info);
    }
    gsize count = 0;
    gchar** ids = g_key_file_get_string_list(file, MainGroup, "Actions", &count, nullptr);
    for (gsize i = 0; ids && i < count; ++i) {
        const QByteArray group = QByteArray("Desktop Action ") + ids[i];
        if (!ids[i][0] || !g_key_file_has_group(file, group.constData()))
            continue;
        const QString name = localeString(file, group, "Name");
        if (name.isEmpty())
            continue;
        entry.actions.append({QString::fromUtf8(ids[i]), name, localeString(file, group, "Icon"),
                              plainString(file, group, "Exec")});
    }
    g_strfreev(ids);
    return entry;
}

struct Cached {
    qint64 size = -1;
    QDateTime changed;
    std::optional<Entry> entry;
};

std::mutex cacheMutex;
QHash<QString, Cached>& cache() {
    static QHash<QString, Cached> entries;
    return entries;
}

} // namespace

bool isEntryPath(const QString& path) {
    return path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive);
}

std::optional<Entry> read(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    const qint64 size = info.size();
    const QDateTime changed = info.lastModified();
    {
        const std::lock_guard lock(cacheMutex);
        const auto it = cache().constFind(path);
        if (it != cache().constEnd() && it->size == size && it->changed == changed)
            return it->entry;
    }
    std::optional<Entry> entry;
    if (KeyFile file = load(path))
        entry = describe(file.get());
    const std::lock_guard lock(cacheMutex);
    if (cache().size() >= MaxCached)
        cache().clear();
    cache().insert(path, {size, changed, entry});
    return entry;
}

bool usable(const QString& path) {
    if (!QFileInfo::exists(path))
        return false;
    if (!isEntryPath(path))
        return true;
    const auto entry = read(path);
    return !entry || entry->missingProgram.isEmpty();
}

shell::Action route(const QString& path, const QString& actionId,
                    const shell::ProgramFinder& find) {
    shell::Action a;
    a.refusal = Text::tr("its desktop entry has no action %1").arg(actionId);
    const std::optional<Entry> entry = read(path);
    if (!entry)
        return a;
    if (!entry->missingProgram.isEmpty()) {
        a.refusal = Text::tr("its program %1 is not installed").arg(entry->missingProgram);
        return a;
    }
    const auto action = std::find_if(entry->actions.begin(), entry->actions.end(),
                                     [&](const EntryAction& e) { return e.id == actionId; });
    if (action == entry->actions.end())
        return a;
    // The action's own Exec with the entry's field codes (%i %c %k).
    DesktopEntry values;
    values.name = entry->name;
    values.icon = entry->icon;
    values.exec = action->exec;
    const auto command = desktopexec::command(values, QFileInfo(path).absoluteFilePath());
    if (!command)
        return a;
    return shell::commandStart(*command, entry->terminal, entry->workingDir, find);
}

} // namespace desktopapps
