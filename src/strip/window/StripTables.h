#pragma once
#include "core/ButtonSlots.h"

#include <QRect>
#include <QString>
#include <array>
#include <functional>

class ButtonImage;
class QFrame;
class QLabel;
class QWidget;

namespace striplayout {
constexpr int TableX = 51;
constexpr int ButtonY = 8;
constexpr int ButtonPanelSize = 36;
constexpr int PictureSize = 34;
// x of slot k (1..12) within a table panel.
int slotX(int slot);
// A raised panel, as the strip's panels, tables and buttons are.
QFrame* panel(QWidget* parent, const QString& name, QRect geometry);
// A label made without a text: the texts come through the strip's held texts.
QLabel* label(QWidget* parent, const QString& name, QRect geometry);
} // namespace striplayout

// The strip's thirty tables with their buttons (But1..But360, img1..img360),
// each table made when first asked for.
class StripTables {
public:
    // Tables stack under `top` and under those with a higher number; `made`
    // hears of each table just made.
    StripTables(QWidget* strip, QWidget* top, std::function<void(int t)> made);

    QFrame* table(int t); // 1..30
    QFrame* buttonPanel(int n);
    ButtonImage* buttonPicture(int n);
    bool made(int t) const { return tables_[t - 1] != nullptr; }

private:
    QFrame* make(int t);

    QWidget* strip_;
    QWidget* top_;
    std::function<void(int)> made_;
    std::array<QFrame*, buttonslots::TableCount> tables_{};
    std::array<QFrame*, buttonslots::ButtonCount> buttons_{};
    std::array<ButtonImage*, buttonslots::ButtonCount> images_{};
};
