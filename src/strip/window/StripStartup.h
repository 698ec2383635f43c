#pragma once

struct AppContext;
struct StripMenus;
class QMenu;
class Selection;
class StripAssembly;
class StripControls;

// What follows the strip's first map: the show steps, the tables not shown
// made one an event-loop turn, and the menus, made once the pictures are in
// or when first asked for.
class StripStartup {
public:
    StripStartup(StripControls& controls, AppContext& context, StripAssembly& parts,
                 Selection& selection, StripMenus& menus);

    // Applies the start table and accepts drops; in the next turn the
    // pictures start loading, and the menus and other tables follow them.
    void run();
    void makeMenus();
    QMenu* buttonMenu();
    QMenu* tablesMenu();
    QMenu* optionsMenu();

private:
    void makeNextTableLater();

    StripControls& controls_;
    AppContext& context_;
    StripAssembly& parts_;
    Selection& selection_;
    StripMenus& menus_;
    QMenu* tablesMenu_ = nullptr;
    QMenu* buttonMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    bool helpAtShow_ = false;
};
