#pragma once
// The small parts the e-mail window's pages are built from.
#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>

class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pageparts {

// A value as long as most users' host names and addresses: the setup's
// edits and current values show it whole, in the font and language in use.
inline const QString kTypicalValue = QStringLiteral("firstname.lastname@example.com");

// A bold, underlined, centred page heading.
QLabel* heading(const QString& text, QWidget* parent);
QLineEdit* edit(const QString& name, QWidget* parent);
// The edit is wide enough for kTypicalValue.
void fitTypicalValue(QLineEdit* e);
QPushButton* button(const QString& name, const QString& text, const QString& hint, QWidget* parent);
QGridLayout* tightGrid(QWidget* page);

template <typename L = QLabel>
L* coloured(const QString& text, const QColor& c, QWidget* parent, const QString& name = {}) {
    auto* l = new L(text, parent);
    QPalette pal = l->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, c);
    l->setPalette(pal);
    // Else the role follows the background's: on the button face (the default
    // program colour) the text would be drawn as button text, not in c.
    l->setForegroundRole(QPalette::WindowText);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

} // namespace pageparts
