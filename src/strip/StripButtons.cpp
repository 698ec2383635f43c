#include "strip/StripButtons.h"

#include "context/ToolWindows.h"
#include "strip/ButtonHandler.h"
#include "strip/ButtonImage.h"
#include "strip/ButtonMenu.h"
#include "strip/Launch.h"
#include "strip/Placement.h"
#include "strip/SlotOperations.h"
#include "strip/TForm1.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QMenu>

StripButtons::StripButtons(TForm1* strip) : QObject(strip), strip_(strip) {
    Prompts& prompts = strip->prompts();
    StripState& state = strip->state();

    menu_ = buttonmenu::build(strip);

    placement_ = new Placement(strip, strip->controlFile(), prompts, state, this);
    placement_->setToolWindows([strip] { return strip->context().tools; });
    placement_->attach();
    strip->hooks().restorePosition = [this] { placement_->RestorePosition(); };
    strip->hooks().savePosition = [this] { placement_->SavePosition(); };

    launcher_ = std::make_unique<Launcher>(
        strip, strip->controlFile(), strip->opener(), state,
        Launcher::Actions{[this] { placement_->HideStrip(); }, [this] { strip_->close(); }});

    buttons_ = new ButtonHandler(strip, prompts, state, *launcher_, this);
    buttons_->setButtonMenu(menu_);
    buttons_->attach();

    SlotOperations::Faces faces;
    faces.setPicture = [this](int n, const Picture& p) { strip_->setButtonPicture(n, p); };
    faces.setHint = [this](int n, const QString& h) { strip_->setButtonHint(n, h); };
    faces.blankPicture = [] { return Picture(); };
    slots_ = new SlotOperations(strip, strip->controlFile(), prompts, state,
                                strip->paths().iconsDir, faces, this);
    slots_->attach();

    auto on = [&](const char* name, auto body) {
        if (auto* a = strip->findChild<QAction*>(QLatin1String(name)))
            connect(a, &QAction::triggered, this, actionguard::guarded(prompts, strip, body));
    };
    on("Open1", [this] { slots_->Open1Click(); });
    on("Cut1", [this] { slots_->Cut1Click(); });
    on("Paste1", [this] { slots_->Paste1Click(); });
    on("Delete1", [this] { slots_->Delete1Click(); });
    on("FileProp1", [strip] {
        if (ToolWindows* tools = strip->context().tools)
            tools->showFileProperties(strip->state().selectedButton);
    });
}

StripButtons::~StripButtons() = default;
