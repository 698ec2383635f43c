#include "strip/window/MenuMnemonics.h"

#include "strip/Mnemonics.h"

#include <QAction>
#include <QMenu>

namespace menumnemonics {

void apply(QMenu* menu, const QSet<const QAction*>& leave) {
    QList<QAction*> items;
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (a->menu())
            apply(a->menu(), leave);
        if (a->isSeparator() || leave.contains(a))
            continue;
        items << a;
        texts << a->text();
    }
    const QStringList marked = mnemonics::assign(texts);
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i]->setText(marked[i]);
}

} // namespace menumnemonics
