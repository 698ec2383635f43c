#pragma once
class QLabel;
class QString;
class QWidget;

// A caption that names its control: the label becomes the control's buddy
// and its text (without '&' and the closing ':' or ';') the control's name
// for screen readers, which list views and combo boxes do not take from a
// buddy on their own.
namespace captions {

QLabel* tie(QLabel* label, QWidget* control);
// A new label with text, tied to control.
QLabel* make(const QString& text, QWidget* control, QWidget* parent);

} // namespace captions
