#include "strip/window/StripAssembly.h"

#include "context/AppContext.h"
#include "context/Prompts.h"
#include "core/ButtonSlots.h"
#include "strip/BrokenTargets.h"
#include "strip/ButtonArrange.h"
#include "strip/ButtonFinder.h"
#include "strip/ButtonLauncher.h"
#include "strip/FindSession.h"
#include "strip/KindPicture.h"
#include "strip/OptionsMenu.h"
#include "strip/Placement.h"
#include "strip/ShownSettings.h"
#include "strip/SlotOperations.h"
#include "strip/StripKeys.h"
#include "strip/TableLoader.h"
#include "strip/TableSwitcher.h"
#include "strip/window/ButtonDrag.h"
#include "strip/window/ButtonHandler.h"
#include "strip/window/FindList.h"
#include "strip/window/PlacementEvents.h"
#include "strip/window/SightWatch.h"
#include "strip/window/StripAccessibility.h"
#include "strip/window/StripControls.h"
#include "strip/window/StripDrops.h"
#include "strip/window/ToolsMenus.h"
#include "ui/ActionGuard.h"
#include "ui/FontWarmUp.h"
#include "ui/HintRouter.h"

#include <QTimer>
#include <QWidget>

namespace {

// What a launch does to the strip. The opener may answer later, from the
// event loop: what it sets off then runs guarded.
class StripLaunchEffects : public LaunchEffects {
public:
    StripLaunchEffects(QWidget* strip, Prompts& prompts, ShownSettings& settings,
                       Placement& placement, BrokenTargets& broken)
        : strip_(strip), prompts_(prompts), settings_(settings), placement_(placement),
          broken_(broken) {}

    bool hidesOnLaunch() const override { return settings_.hideMode(); }
    void hideStrip() override {
        actionguard::run(prompts_, strip_, [this] { placement_.hideStrip(); });
    }
    void closeStrip() override {
        actionguard::run(prompts_, strip_, [this] { strip_->close(); });
    }
    bool targetGone(int n, const QString& target) override { return broken_.missing(n, target); }
    void tellGone(const QString& target) override {
        prompts_.notice(strip_, BrokenTargets::missingNotice(target));
    }
    void tellRefused(const QString& target, const QString& reason) override {
        actionguard::run(prompts_, strip_, [&] {
            prompts_.notice(strip_, ButtonLauncher::refusedNotice(target, reason));
        });
    }

private:
    QWidget* strip_;
    Prompts& prompts_;
    ShownSettings& settings_;
    Placement& placement_;
    BrokenTargets& broken_;
};

} // namespace

StripAssembly::StripAssembly(StripControls& controls, AppContext& context, Selection& selection,
                             std::function<QMenu*()> tablesMenu)
    : controls_(controls), context_(context) {
    QWidget* strip = controls.stripWindow();
    Prompts& prompts = *context.prompts;
    ControlFile& file = *context.controlFile;
    stripaccessibility::install();
    hintRouter_ = std::make_unique<HintRouter>(strip);
    settings_ = std::make_unique<ShownSettings>(controls, file);
    switcher_ = std::make_unique<TableSwitcher>(controls, file, strip);
    QObject::connect(switcher_->slideTimer(), &QTimer::timeout, strip,
                     actionguard::guarded(prompts, strip, [this] { switcher_->slideStep(); }));
    loader_ = std::make_unique<TableLoader>(controls, file, strip);
    loader_->setKindPicture(KindPicture(context.paths.iconsDir));

    placement_ = std::make_unique<Placement>(controls, *settings_, prompts);
    placement_->setToolWindows([this] { return context_.tools; });
    placementEvents_ = std::make_unique<PlacementEvents>(controls, *placement_, prompts, strip);
    placementEvents_->attach();
    brokenTargets_ = std::make_unique<BrokenTargets>(controls, file, strip);
    QObject::connect(switcher_.get(), &TableSwitcher::tableShown, brokenTargets_.get(),
                     &BrokenTargets::checkTable);
    QObject::connect(loader_.get(), &TableLoader::allLoaded, brokenTargets_.get(),
                     [this] { brokenTargets_->checkTable(switcher_->shownTable()); });
    effects_ = std::make_unique<StripLaunchEffects>(strip, prompts, *settings_, *placement_,
                                                    *brokenTargets_);
    launcher_ =
        std::make_unique<ButtonLauncher>(strip, file, *context.opener, selection, *effects_);
    buttonHandler_ =
        std::make_unique<ButtonHandler>(controls, selection, prompts, *launcher_, strip);
    buttonHandler_->attach();
    slots_ = std::make_unique<SlotOperations>(controls, selection, file, prompts,
                                              context.paths.iconsDir);
    drops_ = std::make_unique<StripDrops>(strip, selection, *slots_, prompts, strip);
    options_ = std::make_unique<OptionsMenu>(controls, *settings_, prompts);
    arrange_ = std::make_unique<ButtonArrange>(controls, file, prompts, [this](int n) {
        loader_->loadButton(n);
        brokenTargets_->checkTable(buttonslots::tableOfButton(n));
    });
    buttonDrag_ = std::make_unique<ButtonDrag>(controls, *arrange_, file, prompts, *buttonHandler_,
                                               std::move(tablesMenu), strip);
    finder_ = std::make_unique<ButtonFinder>(file);
    findList_ = std::make_unique<LazyFindList>(strip, [this, strip](FindList& list) {
        QObject::connect(&list, &FindList::rowClicked, strip, [this, strip](int row) {
            actionguard::run(*context_.prompts, strip, [&] {
                if (const int n = find_->choose(row))
                    launcher_->launch(n);
            });
        });
    });
    find_ = std::make_unique<FindSession>(*finder_, *findList_);
    keyboard_ = std::make_unique<StripKeyboard>(controls, selection, *switcher_, *launcher_,
                                                *placement_, find_.get());
    keyboard_->setArrange(arrange_.get());
}

StripAssembly::~StripAssembly() {
    find_.reset();
    findList_.reset();
    // Its threads hand work to the strip; they end before the controls go.
    loader_.reset();
    // The event handlers go before the logic they call.
    placementEvents_.reset();
    sightWatch_.reset();
    buttonDrag_.reset();
    buttonHandler_.reset();
    drops_.reset();
    // The rest in the reverse order of making (the members' order).
}

void StripAssembly::attachTable(int t) {
    if (buttonHandler_)
        buttonHandler_->attachTable(t);
    if (buttonDrag_)
        buttonDrag_->attachTable(t);
    if (tools_)
        tools_->attachTable(t);
}

void StripAssembly::startFonts() {
    // Not before the strip maps: the thread would take the second core from
    // the strip's own start, and the first paint needs it.
    fontwarmup::start();
}

void StripAssembly::watchSight() {
    // A target deleted while the strip was away shows as missing when it is back.
    sightWatch_ = std::make_unique<SightWatch>(
        *controls_.stripWindow(), *context_.prompts, [this] { return placement_->isOnScreen(); },
        [this](bool inSight) { brokenTargets_->setInSight(inSight, switcher_->shownTable()); });
}

void StripAssembly::makeToolsMenus() {
    tools_ = std::make_unique<ToolsMenus>(controls_, *context_.prompts, *context_.opener,
                                          QStringLiteral("/"), controls_.stripWindow());
    tools_->attach();
}
