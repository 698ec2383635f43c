#pragma once
#include "platform/KeyGrab.h"

#include <QObject>

class ControlFile;
class Prompts;
class QAction;
class QWidget;

// The Options menu's global shortcut: on X11 keys the user chooses in a
// capture box, kept in the control file's SHORTCUT section and grabbed from
// the X server from each start on; under Wayland, where no program may take
// keys from the others, the item says how the desktop binds them instead.
class SummonShortcut : public QObject {
    Q_OBJECT
public:
    SummonShortcut(ControlFile& file, Prompts& prompts, QWidget* owner, bool wayland);

    // The Options menu's item; owned by the owner window.
    QAction* item() const { return item_; }
    // The stored keys taken at start; a refusal is told once the strip shows.
    void grabStored();
    // Whether this session is one where the desktop binds the keys.
    static bool waylandSession();

signals:
    void pressed();

private:
    void choose();
    // Grabs and says what went wrong; true when held (or cleared).
    bool take(uint32_t keysym, uint16_t modifiers, const QString& text);

    ControlFile& file_;
    Prompts& prompts_;
    QWidget* owner_;
    bool wayland_;
    QAction* item_;
    KeyGrab grab_;
};
