#include "strip/Launch.h"

#include "core/ButtonSlotSettings.h"
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

    const ControlFile::Value target = ButtonSlotSettings(file_).target(state_.selectedButton);
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
