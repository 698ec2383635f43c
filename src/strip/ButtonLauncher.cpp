#include "strip/ButtonLauncher.h"

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

ButtonLauncher::ButtonLauncher(QObject* owner, ControlFile& controlFile, Opener& opener,
                               Selection& selection, LaunchEffects& effects)
    : owner_(owner), file_(controlFile), opener_(opener), selection_(selection), effects_(effects) {
}

void ButtonLauncher::launch(int button, const QString& entryAction) {
    // Also when reading or opening fails, the press is over: nothing stays selected.
    struct Deselect {
        Selection& selection;
        ~Deselect() { selection.clear(); }
    } deselect{selection_};

    const ControlFile::Value target = ButtonSlotSettings(file_).target(button);
    if (!target.isSet())
        return;
    if (effects_.targetGone(button, target.text)) {
        effects_.tellGone(target.text);
        return;
    }
    // The opener answers no later than the owner lives, and the owner holds this.
    Opener::Start how = LaunchOptionsSettings(file_).read(button, target.text).start();
    how.entryAction = entryAction;
    opener_.startReporting(owner_, target.text, how,
                           [this, path = target.text](const Opener::Outcome& outcome) {
                               if (!outcome.opened)
                                   effects_.tellRefused(path, outcome.reason);
                               else if (effects_.hidesOnLaunch())
                                   effects_.hideStrip();
                               else
                                   effects_.closeStrip();
                           });
}

QString ButtonLauncher::refusedNotice(const QString& target, const QString& reason) {
    return Text::tr("Cannot open %1: %2.").arg(target, reason);
}
