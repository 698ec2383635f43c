#include "viewer/window/RecentRows.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

void RecentRows::drawGlyph(QPainter& painter, const QPoint& topLeft) {
    painter.save();
    painter.translate(topLeft);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(QColor(170, 215, 245));
    painter.drawRect(QRectF(1.5, 2.5, 13, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 200, 40));
    painter.drawEllipse(QRectF(9, 4, 4, 4));
    QPainterPath hills;
    hills.moveTo(2, 13);
    hills.lineTo(6, 7);
    hills.lineTo(9, 11);
    hills.lineTo(11, 9);
    hills.lineTo(14, 13);
    hills.closeSubpath();
    painter.setBrush(QColor(60, 140, 60));
    painter.drawPath(hills);
    painter.restore();
}

void RecentRows::paint(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const {
    const QRect row = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    if (selected)
        painter->fillRect(row, option.palette.highlight());
    drawGlyph(*painter, QPoint(row.left(), row.top() + 2));
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    const QRect text(row.left() + GlyphSize + 2, row.top(), row.width() - GlyphSize - 2,
                     row.height());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize RecentRows::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QFont bold = option.font;
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(index.data().toString());
    return QSize(GlyphSize + 2 + width, RowHeight);
}
