#pragma once
#include <QStyledItemDelegate>

// The recent list's rows: 18 pixels high, a 16 x 16 picture glyph 2 pixels
// below the row's top at its left edge, the path in bold 2 pixels right of it.
class RecentRows : public QStyledItemDelegate {
public:
    static constexpr int RowHeight = 18;
    static constexpr int GlyphSize = 16;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The glyph: a small framed landscape on a transparent ground.
    static void drawGlyph(QPainter& painter, const QPoint& topLeft);
};
