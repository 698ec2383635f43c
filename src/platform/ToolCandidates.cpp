#include "platform/ToolCandidates.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <initializer_list>

namespace {

struct Entry {
    const char* item;
    std::initializer_list<const char*> programs;
};

// Chosen by purpose, not by name: a file manager for the explorer, the
// desktop's startup-programs editor for the system editor, a D-Bus browser
// for the component services, and so on. Items without a counterpart on
// Linux have no programs and do nothing.
const std::array<Entry, 29> kEntries{{
    // Table menu
    {"Explorer1", {"nautilus", "dolphin", "thunar", "pcmanfm-qt", "pcmanfm"}},
    {"Calculator1", {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}},
    {"CharMap1", {"gnome-characters", "gucharmap", "kcharselect"}},
    {"ClipBoard1", {"gpaste-client", "klipper", "xfce4-clipman", "copyq", "xclipboard"}},
    {"CommandCom1",
     {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "xterm"}},
    {"MsPaint1", {"pinta", "kolourpaint", "mtpaint", "gpaint", "xpaint"}},
    {"Narrator1", {"orca"}},
    {"NotePad1", {"gnome-text-editor", "gedit", "kwrite", "mousepad", "featherpad"}},
    {"KeyPad1", {"onboard", "florence", "xvkbd", "matchbox-keyboard"}},
    {"RegisterEdit1", {"dconf-editor", "xfce4-settings-editor"}},
    {"SoundRecorder1", {"gnome-sound-recorder", "audio-recorder", "kwave", "audacity"}},
    {"SoundVolume1", {"pavucontrol", "pavucontrol-qt", "kmix", "xfce4-mixer", "qasmixer"}},
    {"SystemEdit1", {"gnome-session-properties", "xfce4-session-settings", "lxqt-config-session"}},
    {"Write1", {"lowriter", "abiword", "calligrawords"}},
    // Services menu
    {"Certificates1", {"seahorse", "kleopatra"}},
    {"Indexing1", {"recoll", "catfish", "kfind"}},
    {"ComManagment1",
     {"gnome-control-center", "systemsettings", "xfce4-settings-manager", "lxqt-config"}},
    {"DeviceManager1", {"hardinfo", "kinfocenter", "lshw-gtk"}},
    {"DiskDefragmenter1", {"baobab", "filelight", "qdirstat"}},
    {"DiskManagement1", {"gnome-disks", "partitionmanager", "gparted"}},
    {"EventViewer1", {"gnome-logs", "ksystemlog", "qjournalctl"}},
    {"SharedFolders1", {"smb4k", "gigolo"}},
    {"LocalUsers1", {"lxqt-admin-user", "users-admin", "kuser"}},
    {"RemovableStorage1", {"usbview", "gnome-disks", "kdf"}},
    {"RSOperatorRequest1", {}},
    {"Performance1",
     {"gnome-system-monitor", "plasma-systemmonitor", "ksysguard", "xfce4-taskmanager", "qps"}},
    {"Services1", {"systemadm", "services-admin"}},
    {"Management1", {"kinfocenter", "hardinfo"}},
    {"ComponetServices1", {"d-feet", "qdbusviewer"}},
}};

} // namespace

namespace toolcandidates {

QStringList programsFor(const QString& itemName) {
    for (const Entry& e : kEntries) {
        if (itemName == QLatin1String(e.item)) {
            QStringList out;
            for (const char* p : e.programs)
                out << QString::fromLatin1(p);
            return out;
        }
    }
    return {};
}

QStringList itemNames() {
    QStringList out;
    for (const Entry& e : kEntries)
        out << QString::fromLatin1(e.item);
    return out;
}

const QStringList& searchFolders() {
    static const QStringList folders{
        QStringLiteral("usr/local/bin"),  QStringLiteral("usr/bin"),  QStringLiteral("bin"),
        QStringLiteral("usr/local/sbin"), QStringLiteral("usr/sbin"), QStringLiteral("sbin"),
        QStringLiteral("usr/games"),      QStringLiteral("snap/bin"),
    };
    return folders;
}

} // namespace toolcandidates

ToolCandidates::ToolCandidates(const QString& root) : root_(root) {}

// Made when asked: the strip makes its tools menus before it shows.
QStringList ToolCandidates::paths(const QString& itemName) const {
    QString base = QDir::cleanPath(root_);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    QStringList list;
    for (const QString& program : toolcandidates::programsFor(itemName))
        for (const QString& folder : toolcandidates::searchFolders())
            list << base + folder + QLatin1Char('/') + program;
    return list;
}

QString ToolCandidates::firstExisting(const QString& itemName) const {
    for (const QString& p : paths(itemName))
        if (isRunnable(p))
            return p;
    return {};
}

bool ToolCandidates::isRunnable(const QString& path) {
    // Follows links (x-terminal-emulator is one); a dangling link or a
    // folder of the same name does not count.
    const QFileInfo fi(path);
    return fi.isFile() && fi.isExecutable();
}
