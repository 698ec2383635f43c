#pragma once
#include <Qt>

class ButtonArrange;
class ButtonLauncher;
class FindSession;
class Placement;
class Selection;
class StripView;
class TableSwitcher;

// The strip from the keyboard: what each key does, and doing it. The keys
// move the same selection a pointer move makes and act through the same
// paths as the mouse and the menus.
namespace stripkeys {

enum class Kind {
    None,
    Previous,      // Left
    Next,          // Right
    First,         // Home
    Last,          // End
    PreviousTable, // Page Up, Ctrl+Left
    NextTable,     // Page Down, Ctrl+Right
    Table,         // Ctrl+1..9, Ctrl+0: tables 1..10
    Launch,        // Return, Enter, Space
    ButtonMenu,    // Menu, Shift+F10
    OptionsMenu,   // Ctrl+Shift+Menu
    Hide,          // Escape: as the hide bar's click
    // The selected button itself, carried along (Ctrl+Shift and the move's key).
    SwapPrevious,      // Left: swaps with its neighbour
    SwapNext,          // Right
    MovePreviousTable, // Page Up: to the first empty button of the table before
    MoveNextTable,     // Page Down
};

struct Command {
    Kind kind = Kind::None;
    int table = 0; // for Kind::Table
};

Command commandFor(int key, Qt::KeyboardModifiers modifiers);
// Whether a held key runs the command again: the moves only.
bool repeats(Kind kind);

} // namespace stripkeys

class StripKeyboard {
public:
    // With a find session, typing finds a button first.
    StripKeyboard(StripView& view, Selection& selection, TableSwitcher& switcher,
                  ButtonLauncher& launcher, Placement& placement, FindSession* find = nullptr);

    // What a key press came to: not the strip's, done, or a menu for the
    // window to open at the selected button.
    enum class Press { Ignored, Done, ButtonMenu, OptionsMenu };
    Press press(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool autoRepeat);

    // Runs a command on the strip; the two menus are the window's to open.
    void run(stripkeys::Command command);
    // What carries the selected button along; without it those keys do nothing.
    void setArrange(ButtonArrange* arrange) { arrange_ = arrange; }

private:
    // Selects slot k (1..12) of table t and shows it.
    void select(int table, int slot);
    // The selected button's slot in the shown table, 0 if it is not there.
    int selectedSlot() const;

    StripView& view_;
    Selection& selection_;
    TableSwitcher& switcher_;
    ButtonLauncher& launcher_;
    Placement& placement_;
    FindSession* find_;
    ButtonArrange* arrange_ = nullptr;
};
