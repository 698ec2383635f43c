#include "app/SummonShortcut.h"

#include "app/ShortcutCapture.h"
#include "context/Prompts.h"
#include "core/ControlFile.h"
#include "ui/ActionGuard.h"
#include "ui/HintRouter.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

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

Stored stored(const ControlFile& file) {
    bool symOk = false;
    bool modsOk = false;
    Stored s;
    s.keysym = file.read(Section, KeySym, 12).text.toUInt(&symOk);
    const uint modifiers = file.read(Section, Modifiers, 8).text.toUInt(&modsOk);
    s.text = file.read(Section, Keys, 80).text;
    // A value the program did not write is no shortcut.
    if (!symOk || !modsOk || modifiers > KeyGrab::Modifiers || s.keysym > 0x1fffffff)
        return {};
    s.modifiers = uint16_t(modifiers);
    return s;
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
