#include "strip/TableSwitcher.h"

#include "core/ControlFile.h"
#include "core/IntText.h"
#include "core/StripSettings.h"
#include "strip/TForm1.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QTimer>

TableSwitcher::TableSwitcher(TForm1& form) : QObject(&form), form_(form) {}

int TableSwitcher::topForTick(int tick) {
    switch (tick) {
    case 1:
        return -40;
    case 2:
        return -30;
    case 3:
        return -20;
    case 4:
        return -10;
    default:
        return 0;
    }
}

void TableSwitcher::collectItems() {
    for (QAction* a : form_.findChildren<QAction*>()) {
        const QString name = a->objectName();
        if (name.size() < 7 || !name.startsWith(QLatin1String("Table")))
            continue;
        const QChar kind = name.at(5);
        bool ok = false;
        const int n = name.mid(6).toInt(&ok);
        if (!ok || n < 1 || n > 30 || QString::number(n) != name.mid(6))
            continue;
        if (kind == QLatin1Char('A'))
            tableA_[n] = a;
        else if (kind == QLatin1Char('B'))
            tableB_[n] = a;
    }
}

QAction* TableSwitcher::tableA(int n) const {
    return n >= 1 && n <= 30 ? tableA_[n].data() : nullptr;
}

QAction* TableSwitcher::tableB(int n) const {
    return n >= 1 && n <= 30 ? tableB_[n].data() : nullptr;
}

void TableSwitcher::showTable(int n) {
    if (n < 1 || n > 30)
        return;
    form_.label1()->setText(QStringLiteral("Table %1").arg(n));
    slidingTable_ = n;
    // The tick is left as it is, so a new choice takes over a running slide.
    form_.timer1()->start();
    QFrame* shown = form_.table(n);
    shown->setVisible(true);
    shown->raise();
    if (QAction* a = tableA(n))
        a->setChecked(true);
    for (int m = 1; m <= 30; ++m) {
        if (m == n)
            continue;
        QFrame* t = form_.table(m);
        t->setVisible(false);
        t->lower();
        if (QAction* a = tableA(m))
            a->setChecked(false);
    }
}

void TableSwitcher::timer1Timer() {
    slideTick_ += 1;
    const int n = slidingTable_;
    if (n < 1 || n > 30)
        return;
    for (int m = 1; m <= 30; ++m)
        if (m != n)
            form_.table(m)->move(TForm1::TableX, HiddenTop);
    if (slideTick_ < 1 || slideTick_ > 5)
        return;
    form_.table(n)->move(TForm1::TableX, topForTick(slideTick_));
    if (slideTick_ == 5) {
        slidingTable_ = 0;
        slideTick_ = 0;
        form_.timer1()->stop();
    }
}

void TableSwitcher::tableBClick(int n) {
    StripSettings(form_.controlFile()).setStartTable(n);
    showTable(n);
}

void TableSwitcher::applyStartTable() {
    const std::optional<int> start = StripSettings(form_.controlFile()).startTable();
    if (!start)
        return;
    const int n = *start;
    if (n == 1) {
        for (int m = 1; m <= 30; ++m) {
            if (QAction* a = tableA(m))
                a->setChecked(m == 1);
            if (QAction* b = tableB(m))
                b->setChecked(m == 1);
        }
        return;
    }
    if (n < 2 || n > 30)
        return;
    showTable(n);
    if (QAction* a = tableA(n))
        a->setChecked(true);
    if (QAction* b = tableB(n))
        b->setChecked(true);
}

void TableSwitcher::wireTablesMenu() {
    collectItems();
    for (int n = 1; n <= 30; ++n) {
        QAction* a = tableA(n);
        if (!a)
            continue;
        connect(a, &QAction::triggered, this,
                actionguard::guarded(form_.prompts(), &form_, [this, n] { showTable(n); }));
    }
    connect(form_.timer1(), &QTimer::timeout, this,
            actionguard::guarded(form_.prompts(), &form_, [this] { timer1Timer(); }));
}

void TableSwitcher::wireOpenWith() {
    if (!openWithWired_)
        collectItems();
    if (openWithWired_ || !tableB(1))
        return;
    openWithWired_ = true;
    // Each of the first two levels keeps at most one mark; a marked item
    // chosen again loses it. The third level takes no mark from a click.
    openWithLevel1_ = new QActionGroup(this);
    openWithLevel2_ = new QActionGroup(this);
    for (auto* g : {openWithLevel1_, openWithLevel2_})
        g->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int n = 1; n <= 30; ++n) {
        QAction* b = tableB(n);
        if (!b)
            continue;
        b->setCheckable(true);
        if (n <= 10)
            openWithLevel1_->addAction(b);
        else if (n <= 20)
            openWithLevel2_->addAction(b);
        connect(b, &QAction::triggered, this, [this, b, n](bool checked) {
            if (n > 20)
                b->setChecked(!checked); // undo the toggle Qt made
            actionguard::run(form_.prompts(), &form_, [this, n] { tableBClick(n); });
        });
    }
}
