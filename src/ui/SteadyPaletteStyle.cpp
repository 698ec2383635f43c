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

void SteadyPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    if (!option) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The option is the caller's own working copy (styles build one per
    // drawing); its palette is swapped for the shared one with the same
    // colours and given back afterwards. Swapping in place keeps the
    // option's full type, which a copy of the base class would lose.
    auto* own = const_cast<QStyleOption*>(option);
    QPalette given = shared(option->palette);
    own->palette.swap(given);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    own->palette.swap(given);
}
