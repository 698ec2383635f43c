#pragma once
#include <QApplication>
#include <QWidget>

namespace testapp {

// The program's top-level window of a class, shown or not.
inline QWidget* topLevel(const char* className) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits(className))
            return w;
    return nullptr;
}

} // namespace testapp
