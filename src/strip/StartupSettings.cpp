#include "strip/StartupSettings.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "core/DefaultControlFile.h"
#include "core/Opener.h"
#include "strip/ShownSettings.h"
#include "strip/StripView.h"

void setDefaultHints(StripView& view) {
    for (int n = 1; n <= buttonslots::ButtonCount; ++n)
        view.setButtonHint(n, buttonslots::emptyButtonHint());
}

bool writeFirstRunFile(AppContext& context) {
    // Paths come ready from the application context. The first start's
    // help is the program's own help window, shown once the tool windows
    // exist, instead of handing the help file to the desktop.
    struct HelpRequest : Opener {
        bool asked = false;
        void open(QObject*, const QString&) override { asked = true; }
    } help;
    // The request only records that the help was asked for; it needs no owner.
    createDefaultControlFile(*context.controlFile, context.paths, help, nullptr);
    return help.asked;
}

void runFormCreate(StripView& view, AppContext& context, ShownSettings& settings) {
    ControlFile& cf = *context.controlFile;
    adoptShippedControlFile(cf, context.paths);
    // Said once; the strip then runs on an empty state and never writes
    // over the file it could not read.
    if (const QString notice = cf.unusableNotice(); !notice.isEmpty())
        context.prompts->error(view.owner(), notice);

    settings.applyStored();
    setDefaultHints(view);
}
