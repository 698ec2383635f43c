#include "icons/window/IconToolParts.h"

#include "ui/HintRouter.h"

#include <QMenu>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

namespace icontoolparts {

QToolButton* addButton(QToolBar* bar, const QString& name, const QString& caption,
                       const QIcon& icon, const QString& hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(icon);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoRaise(true);
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextBesideIcon);
    hints::set(button, hint);
    // A picture alone says nothing to a screen reader: its hint names it.
    if (caption.isEmpty())
        button->setAccessibleName(hint);
    bar->addWidget(button);
    return button;
}

QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QString& hint) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    hints::set(action, hint);
    return action;
}

TitleArt::TitleArt(const QString& words, QWidget* parent) : QWidget(parent), words_(words) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void TitleArt::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = this->font();
    font.setBold(true);
    font.setStretch(QFont::ExtraCondensed);
    font.setPixelSize(height() * 3 / 4);
    // Shrink until the words fit the picture's width.
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(words_) > width())
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, words_);
}

} // namespace icontoolparts
