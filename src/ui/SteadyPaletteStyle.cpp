#include "ui/SteadyPaletteStyle.h"

#include <QStyleOption>
#include <algorithm>

SteadyPaletteStyle::SteadyPaletteStyle(QStyle* base) : QProxyStyle(base) {}

QPalette SteadyPaletteStyle::shared(const QPalette& palette) const {
    // A pointer test finds the common case before any colours are compared.
    auto found = std::find_if(palettes_.begin(), palettes_.end(),
                              [&](const QPalette& p) { return p.isCopyOf(palette); });
    if (found == palettes_.end())
        found = std::find(palettes_.begin(), palettes_.end(), palette);
    if (found == palettes_.end()) {
        if (palettes_.size() >= MaxPalettes)
            palettes_.erase(palettes_.begin());
        palettes_.push_back(palette);
        found = palettes_.end() - 1;
    }
    QPalette out = *found;
    out.setCurrentColorGroup(palette.currentColorGroup());
    return out;
}

namespace {

// Draws with a copy of option, of its own full type, holding palette. The
// types are Qt's options, each matched exactly (a complex option or a
// newer version is not its base); false for an option of none of them.
template <typename Option, typename... Others, typename Draw>
bool drawCopy(const QStyleOption& option, const QPalette& palette, Draw draw) {
    if (option.type == Option::Type && option.version >= Option::Version) {
        Option copy(static_cast<const Option&>(option));
        copy.palette = palette;
        draw(&copy);
        return true;
    }
    if constexpr (sizeof...(Others) > 0)
        return drawCopy<Others...>(option, palette, draw);
    return false;
}

} // namespace

void SteadyPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    const auto draw = [&](const QStyleOption* own) {
        QProxyStyle::drawPrimitive(element, own, painter, widget);
    };
    // A copy of the base class would lose the option's fields, so the copy
    // has the option's own type; a type of a widget's own making is drawn as
    // it came.
    if (option &&
        drawCopy<QStyleOptionHeaderV2, QStyleOptionHeader, QStyleOptionFocusRect,
                 QStyleOptionButton, QStyleOptionTab, QStyleOptionMenuItem, QStyleOptionFrame,
                 QStyleOptionProgressBar, QStyleOptionToolBox, QStyleOptionDockWidget,
                 QStyleOptionViewItem, QStyleOptionTabWidgetFrame, QStyleOptionTabBarBase,
                 QStyleOptionRubberBand, QStyleOptionToolBar, QStyleOptionGraphicsItem,
                 QStyleOptionSlider, QStyleOptionSpinBox, QStyleOptionToolButton,
                 QStyleOptionComboBox, QStyleOptionTitleBar, QStyleOptionGroupBox,
                 QStyleOptionSizeGrip, QStyleOptionComplex, QStyleOption>(
            *option, shared(option->palette), draw))
        return;
    draw(option);
}
