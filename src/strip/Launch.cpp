#include "strip/Launch.h"

#include "core/ButtonSlotSettings.h"
#include "core/ControlFile.h"
#include "core/Opener.h"
#include "strip/Selection.h"

Launcher::Launcher(QObject* owner, ControlFile& controlFile, Opener& opener, Selection& selection,
                   Actions actions)
    : owner_(owner), file_(controlFile), opener_(opener), selection_(selection),
      actions_(std::move(actions)) {}

void Launcher::launch(int button) {
    // Also when reading or opening fails, the press is over: nothing stays selected.
    struct Deselect {
        Selection& selection;
        ~Deselect() { selection.clear(); }
    } deselect{selection_};

    const ControlFile::Value target = ButtonSlotSettings(file_).target(button);
    if (!target.isSet())
        return;
    if (actions_.gone && actions_.gone(button, target.text)) {
        if (actions_.tellGone)
            actions_.tellGone(target.text);
        return;
    }
    opener_.open(owner_, target.text);
    if (actions_.hideMode && actions_.hideMode()) {
        if (actions_.hideStrip)
            actions_.hideStrip();
    } else if (actions_.closeStrip) {
        actions_.closeStrip();
    }
}
