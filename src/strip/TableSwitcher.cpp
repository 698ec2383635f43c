#include "strip/TableSwitcher.h"

#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "core/IntText.h"
#include "core/StripSettings.h"
#include "strip/StripMenus.h"
#include "strip/StripView.h"
#include "ui/ActionGuard.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QTimer>

TableSwitcher::TableSwitcher(StripView& view, ControlFile& file, Prompts& prompts, QObject* parent)
    : QObject(parent), view_(view), file_(file), prompts_(prompts) {
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(SlideInterval);
    wireTablesMenu();
    wireOpenWith();
}

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

QAction* TableSwitcher::tableA(int n) const {
    return n >= 1 && n <= 30 ? view_.menus().tableA[n] : nullptr;
}

QAction* TableSwitcher::tableB(int n) const {
    return n >= 1 && n <= 30 ? view_.menus().tableB[n] : nullptr;
}

void TableSwitcher::showTable(int n) {
    if (n < 1 || n > 30)
        return;
    view_.label1()->setText(QStringLiteral("Table %1").arg(n));
    slidingTable_ = n;
    // The tick is left as it is, so a new choice takes over a running slide.
    timer1_->start();
    QFrame* shown = view_.table(n);
    shown->setVisible(true);
    shown->raise();
    if (QAction* a = tableA(n))
        a->setChecked(true);
    for (int m = 1; m <= 30; ++m) {
        if (m == n)
            continue;
        QFrame* t = view_.table(m);
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
            view_.table(m)->move(view_.table(m)->x(), HiddenTop);
    if (slideTick_ < 1 || slideTick_ > 5)
        return;
    view_.table(n)->move(view_.table(n)->x(), topForTick(slideTick_));
    if (slideTick_ == 5) {
        slidingTable_ = 0;
        slideTick_ = 0;
        timer1_->stop();
    }
}

void TableSwitcher::tableBClick(int n) {
    StripSettings(file_).setStartTable(n);
    showTable(n);
}

void TableSwitcher::applyStartTable() {
    const std::optional<int> start = StripSettings(file_).startTable();
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
    for (int n = 1; n <= 30; ++n) {
        QAction* a = tableA(n);
        if (!a)
            continue;
        connect(a, &QAction::triggered, this,
                actionguard::guarded(prompts_, view_.stripWindow(), [this, n] { showTable(n); }));
    }
    connect(timer1_, &QTimer::timeout, this,
            actionguard::guarded(prompts_, view_.stripWindow(), [this] { timer1Timer(); }));
}

void TableSwitcher::wireOpenWith() {
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
            actionguard::run(prompts_, view_.stripWindow(), [this, n] { tableBClick(n); });
        });
    }
}
