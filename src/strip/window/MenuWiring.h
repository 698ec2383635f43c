#pragma once
#include <functional>

class OptionsMenu;
class Prompts;
class QWidget;
class SlotOperations;
class TableSwitcher;
class ToolWindows;
struct StripMenus;

// Connects the strip's menu items to the logic that does their work, each
// through the action guard with the strip as the owner of its boxes.
namespace menuwiring {

// Open, Cut, Paste and Delete of the button menu.
void slotItems(QWidget* strip, Prompts& prompts, StripMenus& menus, SlotOperations& operations);

// The tables menu's items and the Open With items with their check marks
// (each of the first two levels keeps at most one, the third takes none from
// a click).
void tableItems(QWidget* strip, Prompts& prompts, StripMenus& menus, TableSwitcher& switcher);

// The settings items, the style pair as a radio pair, and the items that
// only reach a tool window (asked for when chosen: they are made after the
// strip; none, and the item does nothing).
void optionItems(QWidget* strip, Prompts& prompts, StripMenus& menus, OptionsMenu& options,
                 std::function<ToolWindows*()> tools);

} // namespace menuwiring
