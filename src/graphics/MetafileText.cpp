#include "graphics/MetafileText.h"

#include <QTextLayout>
#include <algorithm>

namespace metafile {
namespace {

struct Cluster {
    int from = 0, to = 0; // characters, logical order
    qreal left = 0;       // where the layout put it
    qreal naturalWidth = 0;
    QList<QGlyphRun> runs;
};

bool sameGlyphs(const QList<QGlyphRun>& a, const QList<QGlyphRun>& b) {
    if (a.size() != b.size() || a.isEmpty())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].glyphIndexes() != b[i].glyphIndexes() || a[i].positions() != b[i].positions())
            return false;
    return true;
}

QList<QGlyphRun> moved(QList<QGlyphRun> runs, QPointF by) {
    for (QGlyphRun& run : runs) {
        QVector<QPointF> positions = run.positions();
        for (QPointF& p : positions)
            p += by;
        run.setPositions(positions);
    }
    return runs;
}

// Shapes one piece of text; with place, clusters take the given cells.
struct Piece {
    QList<QGlyphRun> runs;
    qreal width = 0;
};

Piece shapePiece(const QString& text, const QFont& font, bool rightToLeft,
                 const QVector<qreal>& advances, qreal extra, bool place) {
    Piece out;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return out;
    }
    line.setLineWidth(1e6);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const qreal baseline = line.ascent();
    if (!place) {
        out.runs = moved(line.glyphRuns(), QPointF(-line.naturalTextRect().left(), -baseline));
        out.width = line.naturalTextWidth();
        return out;
    }

    // Clusters: characters a cursor cannot split, joined further where one
    // glyph serves several (ligatures).
    std::vector<Cluster> clusters;
    for (int i = 0; i < text.size();) {
        int next = layout.nextCursorPosition(i);
        if (next <= i || next > text.size())
            next = i + 1;
        QList<QGlyphRun> runs = line.glyphRuns(i, next - i);
        const qreal a = line.cursorToX(i), b = line.cursorToX(next);
        if (!clusters.empty() && sameGlyphs(clusters.back().runs, runs)) {
            Cluster& c = clusters.back();
            const qreal right = std::max({c.left + c.naturalWidth, a, b});
            c.left = std::min({c.left, a, b});
            c.naturalWidth = right - c.left;
            c.to = next;
        } else {
            clusters.push_back({i, next, std::min(a, b), std::abs(b - a), std::move(runs)});
        }
        i = next;
    }
    std::stable_sort(clusters.begin(), clusters.end(),
                     [](const Cluster& a, const Cluster& b) { return a.left < b.left; });
    qreal x = 0;
    for (const Cluster& c : clusters) {
        qreal cell = 0;
        for (int k = c.from; k < c.to; ++k)
            cell += k < advances.size() ? advances[k] : (advances.isEmpty() ? extra : 0);
        if (advances.isEmpty())
            cell += c.naturalWidth;
        else if (c.to > advances.size())
            cell += c.naturalWidth * (c.to - std::max<int>(c.from, int(advances.size()))) /
                    std::max(1, c.to - c.from);
        // Right-to-left glyphs sit at the right of their cells, as the
        // reading order starts there.
        const bool rtl = line.cursorToX(c.from) > line.cursorToX(c.to);
        const qreal at = rtl ? x + cell - c.naturalWidth : x;
        out.runs += moved(c.runs, QPointF(at - c.left, -baseline));
        x += cell;
    }
    out.width = x;
    return out;
}

// Where the next piece of a long text ends: after a space near the limit,
// else at the limit, never inside a surrogate pair.
int pieceEnd(const QString& text, int from) {
    const int limit = from + ShapedText::kPieceLength;
    if (limit >= text.size())
        return int(text.size());
    for (int i = limit; i > limit - ShapedText::kPieceLength / 4; --i)
        if (text[i - 1].isSpace())
            return i;
    return text[limit].isLowSurrogate() ? limit + 1 : limit;
}

} // namespace

ShapedText::ShapedText(const QString& text, const QFont& font, bool rightToLeft,
                       const QVector<qreal>& advances, qreal extra) {
    const bool place = !advances.isEmpty() || extra != 0;
    if (!place) {
        Piece whole = shapePiece(text, font, rightToLeft, {}, 0, false);
        runs_ = std::move(whole.runs);
        width_ = whole.width;
        return;
    }
    // Placing costs layout queries that grow with the line: long text is
    // placed piece by piece, the pieces following the reading direction.
    std::vector<Piece> pieces;
    for (int from = 0; from < text.size();) {
        const int to = pieceEnd(text, from);
        pieces.push_back(shapePiece(text.mid(from, to - from), font, rightToLeft,
                                    advances.mid(from, to - from), extra, true));
        from = to;
    }
    if (rightToLeft)
        std::reverse(pieces.begin(), pieces.end());
    for (const Piece& piece : pieces) {
        runs_ += moved(piece.runs, QPointF(width_, 0));
        width_ += piece.width;
    }
}

} // namespace metafile
