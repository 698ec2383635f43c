#include "strip/TableSwitcher.h"

#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "core/IntText.h"
#include "core/StripSettings.h"
#include "strip/StripMenus.h"
#include "strip/StripView.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TableSwitcher)
};
} // namespace

TableSwitcher::TableSwitcher(StripView& view, ControlFile& file, QObject* parent)
    : QObject(parent), view_(view), file_(file) {
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(SlideInterval);
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
    view_.setTableCaption(Text::tr("Table %1").arg(n));
    slidingTable_ = n;
    shown_ = n;
    // The tick is left as it is, so a new choice takes over a running slide.
    timer1_->start();
    view_.showOnlyTable(n);
    for (int m = 1; m <= 30; ++m)
        if (QAction* a = tableA(m))
            a->setChecked(m == n);
    emit tableShown(n);
}

void TableSwitcher::slideStep() {
    slideTick_ += 1;
    const int n = slidingTable_;
    if (n < 1 || n > 30)
        return;
    for (int m = 1; m <= 30; ++m)
        if (m != n)
            view_.setTableTop(m, HiddenTop);
    if (slideTick_ < 1 || slideTick_ > 5)
        return;
    view_.setTableTop(n, topForTick(slideTick_));
    if (slideTick_ == 5) {
        slidingTable_ = 0;
        slideTick_ = 0;
        timer1_->stop();
    }
}

void TableSwitcher::chooseStartTable(int n) {
    StripSettings(file_).setStartTable(n);
    showTable(n);
}

void TableSwitcher::applyMenus() {
    for (int m = 1; m <= 30; ++m)
        if (QAction* a = tableA(m))
            a->setChecked(m == shown_);
    if (QAction* b = tableB(startTable_))
        b->setChecked(true);
}

void TableSwitcher::applyStartTable() {
    const std::optional<int> start = StripSettings(file_).startTable();
    if (!start)
        return;
    const int n = *start;
    startTable_ = n;
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
