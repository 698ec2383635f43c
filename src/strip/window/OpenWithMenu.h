#pragma once
#include <array>

class QAction;

class QMenu;
class QWidget;

// The button menu's Properties > Open With submenu OpenWith1: TableB1..10 at
// its first level, TableB11..20 under More2, TableB21..30 under More2 > More6.
// The caller adds the returned menu to its own (addMenu); items[t] is
// TableBt, to which the table switcher gives actions and check marks.
QMenu* buildOpenWithMenu(QWidget* owner, std::array<QAction*, 31>& items);
