#include "ui/FontColorDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

FontColorDialog::FontColorDialog(const QFont& font, const QColor& color, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(tr("Font"));
    auto* layout = new QVBoxLayout(this);
    // The font dialog as a plain child widget: our buttons close the whole.
    fonts_ = new QFontDialog(font, this);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setSizeGripEnabled(false);
    layout->addWidget(fonts_);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("&Color:"), this);
    colorButton_ = new QPushButton(this);
    colorButton_->setObjectName(QStringLiteral("ColorButton"));
    label->setBuddy(colorButton_);
    row->addWidget(label);
    row->addWidget(colorButton_);
    row->addStretch(1);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(colorButton_, &QPushButton::clicked, this, &FontColorDialog::chooseColor);
    setSelectedColor(color);
}

QFont FontColorDialog::selectedFont() const {
    return fonts_->currentFont();
}

void FontColorDialog::setSelectedColor(const QColor& color) {
    color_ = color;
    QPixmap swatch(32, 16);
    swatch.fill(color);
    colorButton_->setIcon(QIcon(swatch));
    colorButton_->setIconSize(swatch.size());
    colorButton_->setText(color.name(QColor::HexRgb).toUpper());
    colorButton_->setAccessibleName(tr("Color ") + color.name(QColor::HexRgb));
}

void FontColorDialog::chooseColor() {
    const QColor c = QColorDialog::getColor(color_, this, tr("Color"));
    if (c.isValid())
        setSelectedColor(c);
}
