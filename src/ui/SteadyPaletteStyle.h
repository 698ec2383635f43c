#pragma once
#include <QPalette>
#include <QProxyStyle>
#include <vector>

// The application's style with one change: every primitive is drawn with one
// shared palette object per set of colours. The base style keys its cached
// pixmaps by the palette's identity, and it recolours a copy of the palette
// for each highlighted, checked menu item with a picture and each highlighted
// submenu arrow; every such drawing then added a pixmap the cache never finds
// again, so the memory of the program grew with every table chosen from the
// keyboard.
class SteadyPaletteStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr std::size_t MaxPalettes = 32;

    // Takes ownership of base; none means the application's default style.
    explicit SteadyPaletteStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // The shared palette with the colours of palette (and its colour group).
    QPalette shared(const QPalette& palette) const;
    std::size_t sharedCount() const { return palettes_.size(); }

private:
    // Oldest first; a new set of colours beyond the limit replaces the oldest.
    mutable std::vector<QPalette> palettes_;
};
