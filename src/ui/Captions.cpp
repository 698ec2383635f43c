#include "ui/Captions.h"

#include <QLabel>

namespace captions {

QLabel* tie(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    QString name = label->text();
    name.remove(u'&');
    name = name.trimmed();
    while (name.endsWith(u':') || name.endsWith(u';'))
        name.chop(1);
    control->setAccessibleName(name.trimmed());
    return label;
}

QLabel* make(const QString& text, QWidget* control, QWidget* parent) {
    return tie(new QLabel(text, parent), control);
}

} // namespace captions
