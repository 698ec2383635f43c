#include "strip/WaitingValues.h"

#include <utility>

void WaitingValues::keepFace(int n, ButtonFace face) {
    if (!isButton(n))
        return;
    buttons_[n - 1].face = std::move(face);
    buttons_[n - 1].dimmed.reset();
}

void WaitingValues::keepHint(int n, const QString& hint) {
    if (isButton(n))
        buttons_[n - 1].hint = hint;
}

void WaitingValues::keepDimmed(int n, bool dimmed) {
    if (isButton(n))
        buttons_[n - 1].dimmed = dimmed;
}

QString WaitingValues::hint(int n) const {
    return isButton(n) ? buttons_[n - 1].hint.value_or(QString()) : QString();
}

void WaitingValues::keepTop(int t, int top) {
    if (isTable(t))
        tops_[t - 1] = top;
}

WaitingValues::Table WaitingValues::take(int t) {
    Table table;
    if (!isTable(t))
        return table;
    table.top = std::exchange(tops_[t - 1], std::nullopt);
    const int first = buttonslots::firstButtonOfTable(t);
    for (int k = 0; k < buttonslots::ButtonsPerTable; ++k)
        table.buttons[k] = std::exchange(buttons_[first - 1 + k], {});
    return table;
}

bool WaitingValues::holdCaption(const QString& text) {
    if (holding_)
        held_.caption = text;
    return holding_;
}

bool WaitingValues::holdNumber(const QString& text) {
    if (holding_)
        held_.number = text;
    return holding_;
}

WaitingValues::Texts WaitingValues::releaseTexts() {
    holding_ = false;
    return std::exchange(held_, {});
}
