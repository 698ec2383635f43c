#include "graphics/MetafilePen.h"

#include <algorithm>
#include <cmath>

namespace metafile {
namespace {

enum : quint32 {
    kDash = 1,
    kDot = 2,
    kDashDot = 3,
    kDashDotDot = 4,
    kNull = 5,
    kUserStyle = 7,
    kAlternate = 8,
    kGeometric = 0x00010000,
    kCapMask = 0x0f00,
    kCapSquare = 0x0100,
    kCapFlat = 0x0200,
    kJoinMask = 0xf000,
    kJoinBevel = 0x1000,
    kJoinMiter = 0x2000,
};

// A pattern whose period covers fewer target pixels than this cannot show
// its dashes: it is drawn as its average tone.
constexpr double kSmallestPeriod = 1.0;
constexpr int kMaxPattern = 32;

// The styles' lengths: cosmetic pens count pixels, geometric pens widths.
QVector<qreal> cosmeticPattern(quint32 style) {
    switch (style) {
    case kDash:
        return {18, 6};
    case kDot:
        return {3, 3};
    case kDashDot:
        return {9, 6, 3, 6};
    case kDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    case kAlternate:
        return {1, 1};
    default:
        return {};
    }
}

QVector<qreal> geometricPattern(quint32 style) {
    switch (style) {
    case kDash:
        return {3, 1};
    case kDot:
        return {1, 1};
    case kDashDot:
        return {3, 1, 1, 1};
    case kDashDotDot:
        return {3, 1, 1, 1, 1, 1};
    default:
        return {};
    }
}

void setCapAndJoin(QPen& pen, quint32 style, double miterLimit) {
    switch (style & kCapMask) {
    case kCapSquare:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case kCapFlat:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
    }
    switch (style & kJoinMask) {
    case kJoinBevel:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case kJoinMiter:
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setMiterLimit(miterLimit);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
    }
}

} // namespace

QPen strokePen(const PenSpec& spec, const PenTarget& target) {
    const quint32 style = spec.style & 0x0f;
    if (style == kNull)
        return Qt::NoPen;
    const bool geometric = spec.extended && (spec.style & kGeometric);
    const bool cosmetic = !geometric && (spec.extended || spec.width <= 1);
    const double width = cosmetic ? 0 : std::max(0.0, spec.width);
    QPen pen(target.color, width);
    setCapAndJoin(pen, spec.style, target.miterLimit);
    if (!target.dashes)
        return pen;

    // The pattern in pen widths (one pixel for a cosmetic pen), and the
    // target pixels one pattern unit covers.
    QVector<qreal> pattern;
    double unitPixels = 1;
    if (cosmetic) {
        pattern = style == kUserStyle ? spec.dashes : cosmeticPattern(style);
        if (!pattern.isEmpty())
            pen.setCapStyle(Qt::FlatCap); // one-pixel pens have no caps
    } else if (geometric) {
        if (style == kUserStyle) {
            const double unit = width > 0 ? width : 1 / std::max(target.pixelsPerUnit, 1e-9);
            for (qreal d : spec.dashes)
                pattern.append(d / unit);
        } else {
            pattern = geometricPattern(style);
        }
        unitPixels = width > 0 ? width * target.pixelsPerUnit : 1;
        if (width == 0)
            pen.setCapStyle(Qt::FlatCap);
    }
    // Old pens wider than one unit draw every style solid.
    if (pattern.isEmpty() || pattern.size() > kMaxPattern)
        return pen;
    if (pattern.size() % 2)
        pattern += pattern; // an odd count repeats with dashes and gaps swapped
    double on = 0, period = 0;
    for (int i = 0; i < pattern.size(); ++i) {
        pattern[i] = std::max<qreal>(pattern[i], 0);
        period += pattern[i];
        if (i % 2 == 0)
            on += pattern[i];
    }
    if (!std::isfinite(period) || period <= 0)
        return pen;
    if (period * unitPixels < kSmallestPeriod) {
        // Caps lengthen each dash by a width, which may close the gaps.
        if (pen.capStyle() != Qt::FlatCap)
            on += pattern.size() / 2;
        QColor tone = target.color;
        tone.setAlphaF(float(tone.alphaF() * std::min(1.0, on / period)));
        pen.setColor(tone);
        return pen;
    }
    // A zero-length dash still takes its caps; Qt wants positive entries.
    for (qreal& d : pattern)
        d = std::max<qreal>(d, 1e-3);
    pen.setDashPattern(pattern);
    return pen;
}

} // namespace metafile
