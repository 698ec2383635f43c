#pragma once
// Keys named as in the keyboard tests' tables.
#include <QHash>
#include <QString>
#include <utility>

namespace teststrip {

// "C-Right" is Ctrl+Right, "S-F10" Shift+F10, "CS-Menu" Ctrl+Shift+Menu.
inline std::pair<int, Qt::KeyboardModifiers> parseKey(QString token) {
    Qt::KeyboardModifiers mods;
    if (const qsizetype dash = token.indexOf(QLatin1Char('-')); dash > 0) {
        const QString prefix = token.left(dash);
        if (prefix.contains(QLatin1Char('C')))
            mods |= Qt::ControlModifier;
        if (prefix.contains(QLatin1Char('S')))
            mods |= Qt::ShiftModifier;
        if (prefix.contains(QLatin1Char('A')))
            mods |= Qt::AltModifier;
        token = token.mid(dash + 1);
    }
    static const QHash<QString, int> named{
        {"Left", Qt::Key_Left},  {"Right", Qt::Key_Right}, {"Home", Qt::Key_Home},
        {"End", Qt::Key_End},    {"PgUp", Qt::Key_PageUp}, {"PgDn", Qt::Key_PageDown},
        {"Ret", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space},
        {"Esc", Qt::Key_Escape}, {"Menu", Qt::Key_Menu},   {"F10", Qt::Key_F10},
        {"Up", Qt::Key_Up},      {"Down", Qt::Key_Down},   {"Bksp", Qt::Key_Backspace},
    };
    if (named.contains(token))
        return {named.value(token), mods};
    if (token.size() == 1 && token[0].isLetter()) // a letter
        return {Qt::Key_A + token[0].toUpper().unicode() - u'A', mods};
    return {Qt::Key_0 + token.toInt(), mods}; // a digit
}

} // namespace teststrip
