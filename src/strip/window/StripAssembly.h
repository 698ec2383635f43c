#pragma once
#include <functional>
#include <memory>

struct AppContext;
class BrokenTargets;
class ButtonArrange;
class ButtonDrag;
class ButtonFinder;
class ButtonHandler;
class ButtonLauncher;
class FindList;
class FindSession;
class HintRouter;
class LaunchEffects;
class LazyFindList;
class OptionsMenu;
class Placement;
class PlacementEvents;
class QMenu;
class QObject;
class Selection;
class ShownSettings;
class SlotOperations;
class StripControls;
class StripDrops;
class StripKeyboard;
class TableLoader;
class TableSwitcher;
class ToolsMenus;

// The strip's helpers: the logic and the event handlers that connect the
// controls to it. Made in the order each needs the others, and taken down
// in an order of their own: whatever hands work or events to another goes
// before it.
class StripAssembly {
public:
    // tablesMenu: the menu a button dragged onto the table label or the move
    // handle chooses its table from.
    StripAssembly(StripControls& controls, AppContext& context, Selection& selection,
                  std::function<QMenu*()> tablesMenu);
    ~StripAssembly();
    StripAssembly(const StripAssembly&) = delete;
    StripAssembly& operator=(const StripAssembly&) = delete;

    HintRouter& hintRouter() { return *hintRouter_; }
    ShownSettings& settings() { return *settings_; }
    TableSwitcher& switcher() { return *switcher_; }
    TableLoader& loader() { return *loader_; }
    Placement& placement() { return *placement_; }
    BrokenTargets& brokenTargets() { return *brokenTargets_; }
    ButtonLauncher& launcher() { return *launcher_; }
    SlotOperations& slotOperations() { return *slots_; }
    OptionsMenu& options() { return *options_; }
    StripKeyboard& keyboard() { return *keyboard_; }
    FindSession& find() { return *find_; }
    LazyFindList& findList() { return *findList_; }

    // The handlers of a table's controls, once they are made.
    void attachTable(int t);
    // Once the strip is mapped: the fonts warm up on the second core, and
    // whether the strip is in sight is watched.
    void startFonts();
    void watchSight();
    // The tools menus, made with the other menus.
    void makeToolsMenus();

private:
    StripControls& controls_;
    AppContext& context_;
    std::unique_ptr<HintRouter> hintRouter_;
    std::unique_ptr<ShownSettings> settings_;
    std::unique_ptr<TableSwitcher> switcher_;
    std::unique_ptr<TableLoader> loader_;
    std::unique_ptr<Placement> placement_;
    std::unique_ptr<PlacementEvents> placementEvents_;
    std::unique_ptr<BrokenTargets> brokenTargets_;
    std::unique_ptr<LaunchEffects> effects_;
    std::unique_ptr<ButtonLauncher> launcher_;
    std::unique_ptr<ButtonHandler> buttonHandler_;
    std::unique_ptr<SlotOperations> slots_;
    std::unique_ptr<StripDrops> drops_;
    std::unique_ptr<OptionsMenu> options_;
    std::unique_ptr<ButtonArrange> arrange_;
    std::unique_ptr<ButtonDrag> buttonDrag_;
    std::unique_ptr<ButtonFinder> finder_;
    std::unique_ptr<LazyFindList> findList_;
    std::unique_ptr<FindSession> find_;
    std::unique_ptr<StripKeyboard> keyboard_;
    std::unique_ptr<QObject> sightWatch_; // reads the placement: goes before it
    std::unique_ptr<ToolsMenus> tools_;
};
