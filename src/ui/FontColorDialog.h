#pragma once
#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

// Qt's font dialog has no colour; this one shows it beside a colour choice,
// as the editor's font dialog offers both.
class FontColorDialog : public QDialog {
    Q_OBJECT
public:
    FontColorDialog(const QFont& font, const QColor& color, QWidget* parent = nullptr);

    QFont selectedFont() const;
    QColor selectedColor() const { return color_; }
    void setSelectedColor(const QColor& color);

private:
    void chooseColor();

    QFontDialog* fonts_ = nullptr;
    QPushButton* colorButton_ = nullptr;
    QColor color_;
};
