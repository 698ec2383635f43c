#pragma once

class QAction;
class QMenu;
class QWidget;

// The button menu PopupMenu1 that a right click over a button picture
// opens. Every item carries its object name, caption and hint; a submenu's
// QMenu and its menuAction() both carry the submenu's name. "Close Menu" is
// the bold default item and does nothing but close the menu. Close1 starts
// disabled; Normal1 starts checked. The items' work is connected by the
// classes that own it, which find the items by name.
namespace buttonmenu {

// Builds the whole tree as a child of owner (so owner->findChild finds every item).
QMenu* build(QWidget* owner);

} // namespace buttonmenu
