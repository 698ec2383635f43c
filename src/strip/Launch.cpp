#include "strip/Launch.h"

#include "core/ControlFile.h"
#include "core/Opener.h"
#include "strip/StripView.h"

#include <QWidget>

Launcher::Launcher(QWidget* strip, ControlFile& controlFile, Opener& opener, StripState& state,
                   Actions actions)
    : strip_(strip), file_(controlFile), opener_(opener), state_(state),
      actions_(std::move(actions)) {}

void Launcher::LaunchSelectedButton() {
    // Also when reading or opening fails, the press is over: nothing stays selected.
    struct Deselect {
        int& selected;
        ~Deselect() { selected = 0; }
    } deselect{state_.selectedButton};

    // Read into a 256-byte buffer: at most 255 characters arrive.
    const ControlFile::Value target =
        file_.read(QStringLiteral("BUTTON"), QString::number(state_.selectedButton), 256);
    if (!target.isSet())
        return;
    opener_.open(strip_, target.text);
    if (state_.hideMode) {
        if (actions_.hideStrip)
            actions_.hideStrip();
    } else if (actions_.closeStrip) {
        actions_.closeStrip();
    }
}
