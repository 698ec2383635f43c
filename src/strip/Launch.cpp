#include "strip/Launch.h"

#include "core/ButtonSlotSettings.h"
#include "core/ControlFile.h"
#include "core/Opener.h"
#include "strip/LaunchOptions.h"
#include "strip/Selection.h"

#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Launch)
};
} // namespace

Launcher::Launcher(QObject* owner, ControlFile& controlFile, Opener& opener, Selection& selection,
                   Actions actions)
    : owner_(owner), file_(controlFile), opener_(opener), selection_(selection),
      actions_(std::move(actions)) {}

void Launcher::launch(int button, const QString& entryAction) {
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
    Opener::Start how = LaunchOptionsSettings(file_).read(button, target.text).start();
    how.entryAction = entryAction;
    // The opener answers no later than the owner lives, and the owner holds this.
    opener_.startReporting(owner_, target.text, how,
                           [this, path = target.text](const Opener::Outcome& outcome) {
                               if (!outcome.opened) {
                                   if (actions_.tellRefused)
                                       actions_.tellRefused(path, outcome.reason);
                                   return;
                               }
                               if (actions_.hideMode && actions_.hideMode()) {
                                   if (actions_.hideStrip)
                                       actions_.hideStrip();
                               } else if (actions_.closeStrip) {
                                   actions_.closeStrip();
                               }
                           });
}

QString Launcher::refusedNotice(const QString& target, const QString& reason) {
    return Text::tr("Cannot open %1: %2.").arg(target, reason);
}
