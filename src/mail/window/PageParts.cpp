#include "mail/window/PageParts.h"

#include "ui/HintRouter.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace pageparts {

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    f.setUnderline(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLineEdit* edit(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

void fitTypicalValue(QLineEdit* e) {
    const QMargins m = e->textMargins();
    // The edit keeps 2 pixels of its own on either side of the text.
    const QSize text(e->fontMetrics().horizontalAdvance(kTypicalValue) + 2 * 2 + m.left() +
                         m.right(),
                     e->fontMetrics().height());
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e);
    e->setMinimumWidth(e->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, text, e).width());
}

QPushButton* button(const QString& name, const QString& text, const QString& hint,
                    QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    if (!name.isEmpty())
        b->setObjectName(name);
    hints::set(b, hint);
    return b;
}

QGridLayout* tightGrid(QWidget* page) {
    auto* g = new QGridLayout(page);
    g->setContentsMargins(6, 2, 6, 2);
    g->setVerticalSpacing(2);
    g->setHorizontalSpacing(6);
    return g;
}

} // namespace pageparts
