#include "app/SummonShortcut.h"

#include "app/ShortcutCapture.h"
#include "context/Prompts.h"
#include "core/ControlFile.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"

#include <QAction>
#include <QTimer>
#include <QWidget>
#include <optional>

namespace {
// The control file's section; what was written by a copy without it reads
// as no shortcut.
const QString Section = QStringLiteral("SHORTCUT");
const QString KeySym = QStringLiteral("KeySym");
const QString Modifiers = QStringLiteral("Modifiers");
const QString Keys = QStringLiteral("Keys");

struct Stored {
    uint32_t keysym = 0;
    uint16_t modifiers = 0;
    QString text;
};

// A stored number of at most ten digits, as the program writes it; read
// with room to spare, so a longer value is seen whole and turned down
// rather than cut to a number it never was.
std::optional<uint> number(const ControlFile& file, const QString& key) {
    const ControlFile::Value value = file.read(Section, key, 16);
    bool ok = false;
    const uint n = value.text.toUInt(&ok);
    return ok && value.length <= 10 ? std::optional(n) : std::nullopt;
}

Stored stored(const ControlFile& file) {
    const std::optional<uint> keysym = number(file, KeySym);
    const std::optional<uint> modifiers = number(file, Modifiers);
    // A value the program did not write is no shortcut.
    if (!keysym || !modifiers || *keysym > 0x1fffffff ||
        (*modifiers & ~uint(KeyGrab::Modifiers)) != 0)
        return {};
    return {*keysym, uint16_t(*modifiers), file.read(Section, Keys, 80).text};
}
} // namespace

SummonShortcut::SummonShortcut(ControlFile& file, Prompts& prompts, QWidget* owner, bool wayland)
    : QObject(owner), file_(file), prompts_(prompts), owner_(owner), wayland_(wayland),
      item_(new QAction(tr("Global Shortcut..."), owner)) {
    item_->setObjectName(QStringLiteral("GlobalShortcut1"));
    hints::set(item_, tr("Keys that bring the strip forward from anywhere"));
    connect(item_, &QAction::triggered, this,
            actionguard::guarded(prompts_, owner_, [this] { choose(); }));
    connect(&grab_, &KeyGrab::pressed, this, &SummonShortcut::pressed, Qt::QueuedConnection);
}

bool SummonShortcut::waylandSession() {
    return qgetenv("XDG_SESSION_TYPE") == "wayland" || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

void SummonShortcut::grabStored() {
    const Stored s = stored(file_);
    if (wayland_ || s.keysym == 0)
        return;
    if (grab_.grab(s.keysym, s.modifiers) == KeyGrab::Result::Grabbed)
        return;
    // Told once the strip is on screen, not over an empty desktop.
    QTimer::singleShot(0, this, actionguard::guarded(prompts_, owner_, [this, s] {
                           take(s.keysym, s.modifiers, s.text);
                       }));
}

void SummonShortcut::choose() {
    if (wayland_) {
        prompts_.notice(owner_, tr("Under Wayland the desktop binds keys to programs. In its "
                                   "keyboard settings add a shortcut that runs\r\r"
                                   "TabdeckV10 --find\r\r"
                                   "The README shows how in GNOME, KDE and sway."));
        return;
    }
    ShortcutCapture box(stored(file_).text, owner_);
    prompts_.modal(owner_, box);
    if (box.result() != QDialog::Accepted)
        return;
    const ShortcutCapture::Keys& keys = box.chosen();
    if (!take(keys.keysym, keys.modifiers, keys.text))
        return;
    file_.write(Section, KeySym, keys.keysym ? QString::number(keys.keysym) : QString());
    file_.write(Section, Modifiers, keys.keysym ? QString::number(keys.modifiers) : QString());
    file_.write(Section, Keys, keys.text);
}

bool SummonShortcut::take(uint32_t keysym, uint16_t modifiers, const QString& text) {
    if (keysym == 0) {
        grab_.release();
        return true;
    }
    switch (grab_.grab(keysym, modifiers)) {
    case KeyGrab::Result::Grabbed:
        return true;
    case KeyGrab::Result::Taken:
        prompts_.notice(owner_, tr("Another program holds the keys %1, so they cannot bring the "
                                   "strip forward. Choose other keys, or free these in that "
                                   "program.")
                                    .arg(text));
        return false;
    case KeyGrab::Result::NoKey:
        prompts_.notice(owner_, tr("No key of this keyboard makes %1.").arg(text));
        return false;
    case KeyGrab::Result::NoServer:
        break;
    }
    prompts_.notice(owner_, tr("Global shortcuts need an X11 session."));
    return false;
}
