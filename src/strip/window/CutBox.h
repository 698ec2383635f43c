#pragma once
#include <QString>
#include <QWidget>

// One box of the cut buffer (CutTo1..CutTo3): a hidden control that holds a
// text. Nothing ever shows it, so it keeps a plain string rather than an
// edit box that would lay its text out (and load the fonts) at start-up.
class CutBox : public QWidget {
    Q_OBJECT
public:
    explicit CutBox(QWidget* parent = nullptr) : QWidget(parent) { setVisible(false); }

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }
    void clear() { text_.clear(); }

private:
    QString text_;
};
