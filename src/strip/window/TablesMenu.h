#pragma once
#include <array>

class QAction;
class QMenu;
class QWidget;

// The tables menu PopupMenu2 of the move handle: Table 1..10 at the first
// level, 11..20 under More1, 21..30 and the default item CloseMenu1 under
// More1 > More4. Items are TableA1..TableA30 (items[t]); TableA1 carries
// the check mark.
QMenu* buildTablesMenu(QWidget* owner, std::array<QAction*, 31>& items);
