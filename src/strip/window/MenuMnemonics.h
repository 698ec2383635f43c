#pragma once
#include <QSet>

class QAction;
class QMenu;

namespace menumnemonics {

// Gives each item of menu and of its submenus a mnemonic key, unique within
// its own menu. The table items (in leave) are left as they are: the user
// names the tables, and the mnemonic would be lost with the next name.
void apply(QMenu* menu, const QSet<const QAction*>& leave = {});

} // namespace menumnemonics
