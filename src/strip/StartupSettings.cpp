#include "strip/StartupSettings.h"

#include "core/ButtonSlots.h"
#include "core/ColorText.h"
#include "core/ControlFile.h"
#include "core/StripSettings.h"
#include "strip/TForm1.h"
#include "strip/TableSwitcher.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"

#include "context/Prompts.h"
#include "core/DefaultControlFile.h"
#include "core/Opener.h"
#include <QAction>
#include <QFrame>
#include <QLabel>

namespace {

QAction* action(TForm1& form, const char* name) {
    return form.findChild<QAction*>(QLatin1String(name));
}

void setEnabled(TForm1& form, const char* name, bool on) {
    if (QAction* a = action(form, name))
        a->setEnabled(on);
}

void setChecked(TForm1& form, const char* name, bool on) {
    if (QAction* a = action(form, name)) {
        a->setCheckable(true);
        a->setChecked(on);
    }
}

} // namespace

void setDefaultHints(TForm1& form) {
    for (int n = 1; n <= buttonslots::ButtonCount; ++n)
        form.setButtonHint(n, buttonslots::emptyButtonHint());
}

void runFormCreate(TForm1& form) {
    ControlFile& cf = form.controlFile();

    // Paths come ready from the application context. The first start's
    // help is the program's own help window, shown once the tool windows
    // exist, instead of handing the help file to the desktop.
    struct HelpRequest : Opener {
        bool asked = false;
        void open(QObject*, const QString&) override { asked = true; }
    } help;
    createDefaultControlFile(cf, form.paths(), help, &form);
    if (help.asked)
        form.showExtensiveHelpWhenShown();
    // Said once; the strip then runs on an empty state and never writes
    // over the file it could not read.
    if (cf.unreadable())
        form.prompts().error(&form, QStringLiteral("Cannot open file %1").arg(cf.path()));

    StripState& s = form.state();
    s.selectedButton = 0;
    s.hideMode = false;

    form.labelHide()->setCursor(drawnart::hideCursor(form.devicePixelRatioF()));

    form.hintRouter().install();

    form.restorePosition();

    const StripSettings settings(cf);
    const bool hide = settings.hideMode();
    s.hideMode = hide;
    setEnabled(form, "Hide1", !hide);
    setEnabled(form, "Close1", hide);

    if (const auto program = settings.color(StripSettings::ColorTarget::Program)) {
        const uint32_t c = *program;
        systemcolors::paintBackground(&form, c);
        systemcolors::paintBackground(form.panelLeft(), c);
        systemcolors::paintBackground(form.panelRight(), c);
    }

    if (const auto button = settings.color(StripSettings::ColorTarget::Buttons)) {
        const uint32_t c = *button;
        for (int n = 1; n <= buttonslots::ButtonCount; ++n)
            systemcolors::paintBackground(form.buttonPanel(n), c);
    }

    if (const auto table = settings.color(StripSettings::ColorTarget::Tables)) {
        const uint32_t c = *table;
        for (int t = 1; t <= buttonslots::TableCount; ++t)
            systemcolors::paintBackground(form.table(t), c);
    }

    const bool onTop = settings.stayOnTop();
    form.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    setChecked(form, "StayOnTop1", onTop);
    setChecked(form, "Normal1", !onTop);

    for (int t = 1; t <= buttonslots::TableCount; ++t) {
        const std::optional<QString> name = settings.tableName(t);
        if (!name)
            continue;
        if (QAction* a = form.tableSwitcher().tableA(t))
            a->setText(*name);
    }

    setDefaultHints(form);
}
