#include "strip/window/OpenWithMenu.h"

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
    hints::set(m->menuAction(), Text::tr("More tables"));
    return m;
}

void addTables(QMenu* menu, int first, int last, std::array<QAction*, 31>& items) {
    for (int t = first; t <= last; ++t) {
        QAction* a = menu->addAction(Text::tr("Table %1").arg(t));
        a->setObjectName(QStringLiteral("TableB%1").arg(t));
        a->setCheckable(true);
        hints::set(a, Text::tr("Open with Table %1").arg(t));
        items[t] = a;
    }
}
} // namespace

QMenu* buildOpenWithMenu(QWidget* owner, std::array<QAction*, 31>& items) {
    auto* root = new QMenu(Text::tr("Open With"), owner);
    root->setObjectName(QStringLiteral("OpenWith1"));
    root->menuAction()->setObjectName(QStringLiteral("OpenWith1"));
    hints::set(root->menuAction(),
               Text::tr("Open with the selected table the next time the program opens"));
    QMenu* more2 = moreMenu(root, "More2");
    QMenu* more6 = moreMenu(more2, "More6");
    root->addMenu(more2);
    more2->addMenu(more6);
    addTables(more6, 21, 30, items);
    addTables(more2, 11, 20, items);
    addTables(root, 1, 10, items);
    return root;
}
