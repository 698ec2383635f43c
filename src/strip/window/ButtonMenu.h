#pragma once

class QAction;
class QMenu;
class QWidget;
struct StripMenus;

// The button menu PopupMenu1 that a right click over a button picture
// opens. Every item carries its object name, caption and hint; a submenu's
// QMenu and its menuAction() both carry the submenu's name. "Close Menu" is
// the bold default item and does nothing but close the menu. Close1 starts
// disabled; Normal1 starts checked. The items that do something are handed
// back in StripMenus; the classes that own their work connect them.
namespace buttonmenu {

// Builds the whole tree as a child of owner and fills the button menu's part
// of into; options, when given, receives the Options submenu.
QMenu* build(QWidget* owner, StripMenus& into, QMenu** options = nullptr);

} // namespace buttonmenu
