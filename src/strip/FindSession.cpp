#include "strip/FindSession.h"

#include <algorithm>

namespace {
// Typed text: Shift may make it, Ctrl, Alt and Meta make commands.
bool typing(Qt::KeyboardModifiers modifiers, const QString& text) {
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !(modifiers & commands) && !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}
} // namespace

FindSession::Answer FindSession::key(int key, Qt::KeyboardModifiers modifiers,
                                     const QString& text) {
    if (!isOpen()) {
        if (!typing(modifiers, text) || !text.front().isLetterOrNumber())
            return {};
        query_ = text;
        refresh();
        return {true};
    }
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Escape:
            close();
            return {true};
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!found_.isEmpty()) {
                const int step = key == Qt::Key_Down ? 1 : -1;
                picked_ = std::clamp(picked_ + step, 0, int(found_.size()) - 1);
                view_.showFound(query_, found_, picked_);
            }
            return {true};
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const int n = picked_ >= 0 ? found_[picked_].button : 0;
            close();
            return {true, n};
        }
        case Qt::Key_Backspace:
            query_.chop(1);
            if (isOpen())
                refresh();
            else
                close(); // the last letter went: the list with it
            return {true};
        default:
            break;
        }
    }
    if (typing(modifiers, text)) {
        query_ += text;
        refresh();
        return {true};
    }
    // Any other key is the strip's again, and the query is left behind.
    close();
    return {};
}

int FindSession::choose(int row) {
    const int n = row >= 0 && row < found_.size() ? found_[row].button : 0;
    close();
    return n;
}

void FindSession::open(const QString& text) {
    close();
    if (text.isEmpty())
        return;
    query_ = text;
    refresh();
}

void FindSession::close() {
    finder_.forget();
    query_.clear();
    found_.clear();
    picked_ = -1;
    if (shown_)
        view_.hideFound();
    shown_ = false;
}

void FindSession::refresh() {
    found_ = finder_.find(query_);
    picked_ = found_.isEmpty() ? -1 : 0;
    view_.showFound(query_, found_, picked_);
    shown_ = true;
}
