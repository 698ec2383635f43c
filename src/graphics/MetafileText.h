#pragma once
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <QVector>

namespace metafile {

// One text record's glyphs, shaped in logical order (joined, reordered for
// its direction) and placed from the left edge of the text at x = 0 with the
// baseline at y = 0. Given advances (one per character, logical order, in
// the font's pixels), each cluster takes the cells of its characters, laid
// left to right in visual order; otherwise clusters keep their own widths
// plus extra after each character.
class ShapedText {
public:
    ShapedText(const QString& text, const QFont& font, bool rightToLeft,
               const QVector<qreal>& advances, qreal extra);

    qreal width() const { return width_; }
    const QList<QGlyphRun>& runs() const { return runs_; }

    // Longer strings are laid out once with the font's own advances: placing
    // each cluster costs a layout query per character.
    static constexpr int kPlacedLimit = 4096;

private:
    QList<QGlyphRun> runs_;
    qreal width_ = 0;
};

} // namespace metafile
