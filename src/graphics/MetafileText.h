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

    // Placed text is shaped in pieces of about this many characters.
    static constexpr int kPieceLength = 256;

private:
    QList<QGlyphRun> runs_;
    qreal width_ = 0;
};

} // namespace metafile
