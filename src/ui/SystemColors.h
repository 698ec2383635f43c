#pragma once
#include <QColor>
#include <QPalette>
#include <cstdint>
#include <optional>

class QWidget;

// Colour values of the control file (see core/ColorText.h) on screen: fixed
// colours are plain RGB; system colours map to the palette role of the same
// meaning, so they follow the desktop theme.
namespace systemcolors {

struct RoleRef {
    QPalette::ColorGroup group = QPalette::Active;
    QPalette::ColorRole role = QPalette::Button;
};

// The palette role of a system colour value (0x80000000 + index); none for
// fixed colours. The default colour is the button face.
std::optional<RoleRef> roleOf(uint32_t value);
// The colour a value stands for under a palette.
QColor resolve(uint32_t value, const QPalette& palette);

// Fills the widget's background with the colour: a system colour as its
// palette role (theme changes follow), a fixed colour as itself.
void paintBackground(QWidget* widget, uint32_t value);
// Lets the widget show its parent's background again.
void clearBackground(QWidget* widget);
// The value a widget's background was last given; BtnFace when none.
uint32_t backgroundValue(const QWidget* widget);

} // namespace systemcolors
