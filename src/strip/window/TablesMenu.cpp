#include "strip/window/TablesMenu.h"

#include "strip/ShownSettings.h"
#include "strip/window/MenuMnemonics.h"
#include "ui/DrawnArt.h"
#include "ui/HintRouter.h"

#include <QCoreApplication>
#include <QMenu>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StripMenus)
};

QMenu* moreMenu(QWidget* parent, const char* name) {
    auto* m = new QMenu(Text::tr("More"), parent);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    m->menuAction()->setIcon(drawnart::icon(drawnart::Art::MoreItem));
    hints::set(m->menuAction(), Text::tr("More Tables"));
    return m;
}

void addTables(QMenu* menu, int first, int last, const QIcon& icon,
               std::array<QAction*, 31>& items) {
    for (int t = first; t <= last; ++t) {
        QAction* a = menu->addAction(icon, defaultTableCaption(t));
        a->setObjectName(QStringLiteral("TableA%1").arg(t));
        a->setCheckable(true);
        a->setChecked(t == 1);
        hints::set(a, Text::tr("Open Table"));
        items[t] = a;
    }
}
} // namespace

QMenu* buildTablesMenu(QWidget* owner, std::array<QAction*, 31>& items) {
    const QIcon tableIcon = drawnart::icon(drawnart::Art::TableItem);
    auto* root = new QMenu(owner);
    root->setObjectName(QStringLiteral("PopupMenu2"));
    QMenu* more1 = moreMenu(root, "More1");
    QMenu* more4 = moreMenu(more1, "More4");
    root->addMenu(more1);
    more1->addMenu(more4);
    addTables(more4, 21, 30, tableIcon, items);
    QAction* close = more4->addAction(Text::tr("Close"));
    close->setObjectName(QStringLiteral("CloseMenu1"));
    hints::set(close, Text::tr("Close the Menu"));
    more4->setDefaultAction(close);
    addTables(more1, 11, 20, tableIcon, items);
    addTables(root, 1, 10, tableIcon, items);
    menumnemonics::apply(root, QSet<const QAction*>(items.begin() + 1, items.end()));
    return root;
}
