#include "ui/SystemColors.h"

#include "core/ColorText.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace systemcolors {

namespace {
const char* const ValueProperty = "tabdeckColor";

std::optional<RoleRef> roleOfIndex(uint32_t index) {
    using P = QPalette;
    switch (index) {
    case 0:
        return RoleRef{P::Active, P::Mid}; // scroll bar
    case 1:
        return RoleRef{P::Active, P::Window}; // desktop
    case 2:
        return RoleRef{P::Active, P::Highlight}; // active caption
    case 3:
        return RoleRef{P::Inactive, P::Highlight}; // inactive caption
    case 4:
        return RoleRef{P::Active, P::Window}; // menu
    case 5:
        return RoleRef{P::Active, P::Base}; // window
    case 6:
        return RoleRef{P::Active, P::Shadow}; // window frame
    case 7:
        return RoleRef{P::Active, P::WindowText}; // menu text
    case 8:
        return RoleRef{P::Active, P::Text}; // window text
    case 9:
        return RoleRef{P::Active, P::HighlightedText}; // caption text
    case 10:
        return RoleRef{P::Active, P::Button}; // active border
    case 11:
        return RoleRef{P::Inactive, P::Button}; // inactive border
    case 12:
        return RoleRef{P::Active, P::Dark}; // application workspace
    case 13:
        return RoleRef{P::Active, P::Highlight}; // highlight
    case 14:
        return RoleRef{P::Active, P::HighlightedText}; // highlight text
    case 15:
        return RoleRef{P::Active, P::Button}; // button face
    case 16:
        return RoleRef{P::Active, P::Dark}; // button shadow
    case 17:
        return RoleRef{P::Disabled, P::Text}; // grey text
    case 18:
        return RoleRef{P::Active, P::ButtonText}; // button text
    case 19:
        return RoleRef{P::Inactive, P::HighlightedText}; // inactive caption text
    case 20:
        return RoleRef{P::Active, P::Light}; // button highlight
    case 21:
        return RoleRef{P::Active, P::Shadow}; // 3-D dark shadow
    case 22:
        return RoleRef{P::Active, P::Midlight}; // 3-D light
    case 23:
        return RoleRef{P::Active, P::ToolTipText}; // info text
    case 24:
        return RoleRef{P::Active, P::ToolTipBase}; // info background
    case 26:
        return RoleRef{P::Active, P::Link}; // hot light
    case 27:
        return RoleRef{P::Active, P::Highlight}; // gradient active caption
    case 28:
        return RoleRef{P::Inactive, P::Highlight}; // gradient inactive caption
    case 29:
        return RoleRef{P::Active, P::Highlight}; // menu highlight
    case 30:
        return RoleRef{P::Active, P::Window}; // menu bar
    default:
        return std::nullopt;
    }
}
} // namespace

std::optional<RoleRef> roleOf(uint32_t value) {
    if (value == colortext::Default)
        return RoleRef{QPalette::Active, QPalette::Button};
    if ((value & 0xFF000000u) == 0x80000000u)
        return roleOfIndex(value & 0x00FFFFFFu);
    return std::nullopt;
}

QColor resolve(uint32_t value, const QPalette& palette) {
    if (const auto r = roleOf(value))
        return palette.color(r->group, r->role);
    if (value == colortext::None)
        return QColor(Qt::transparent);
    if ((value & 0xFF000000u) != 0)
        return palette.color(QPalette::Button); // an unknown system colour
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void paintBackground(QWidget* widget, uint32_t value) {
    widget->setProperty(ValueProperty, QVariant::fromValue<quint32>(value));
    widget->setAutoFillBackground(true);
    const auto r = roleOf(value);
    if (r && r->group == QPalette::Active) {
        // Leave the palette to the theme; only pick the role.
        if (widget->testAttribute(Qt::WA_SetPalette))
            widget->setPalette(QPalette());
        widget->setBackgroundRole(r->role);
        return;
    }
    QPalette pal = widget->palette();
    const QColor c = resolve(value, QApplication::palette(widget));
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Window, c);
    widget->setPalette(pal);
    widget->setBackgroundRole(QPalette::Window);
}

void clearBackground(QWidget* widget) {
    widget->setProperty(ValueProperty, QVariant());
    widget->setAutoFillBackground(false);
    if (widget->testAttribute(Qt::WA_SetPalette))
        widget->setPalette(QPalette());
    widget->setBackgroundRole(QPalette::Window);
}

uint32_t backgroundValue(const QWidget* widget) {
    const QVariant v = widget->property(ValueProperty);
    return v.isValid() ? v.value<quint32>() : colortext::BtnFace;
}

} // namespace systemcolors
