#include "strip/StripKeys.h"

#include "core/ButtonSlots.h"
#include "strip/ButtonArrange.h"
#include "strip/ButtonLauncher.h"
#include "strip/FindSession.h"
#include "strip/Placement.h"
#include "strip/Selection.h"
#include "strip/StripView.h"
#include "strip/TableSwitcher.h"

#include <QString>
#include <algorithm>

namespace stripkeys {

Command commandFor(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad's flag does not make another key.
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Left:
            return {Kind::Previous};
        case Qt::Key_Right:
            return {Kind::Next};
        case Qt::Key_Home:
            return {Kind::First};
        case Qt::Key_End:
            return {Kind::Last};
        case Qt::Key_PageUp:
            return {Kind::PreviousTable};
        case Qt::Key_PageDown:
            return {Kind::NextTable};
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return {Kind::Launch};
        case Qt::Key_Menu:
            return {Kind::ButtonMenu};
        case Qt::Key_Escape:
            return {Kind::Hide};
        default:
            return {};
        }
    }
    if (mods == Qt::ControlModifier) {
        if (key == Qt::Key_Left)
            return {Kind::PreviousTable};
        if (key == Qt::Key_Right)
            return {Kind::NextTable};
        if (key >= Qt::Key_1 && key <= Qt::Key_9)
            return {Kind::Table, key - Qt::Key_0};
        if (key == Qt::Key_0)
            return {Kind::Table, 10};
        return {};
    }
    if (mods == Qt::ShiftModifier && key == Qt::Key_F10)
        return {Kind::ButtonMenu};
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        switch (key) {
        case Qt::Key_Menu:
            return {Kind::OptionsMenu};
        case Qt::Key_Left:
            return {Kind::SwapPrevious};
        case Qt::Key_Right:
            return {Kind::SwapNext};
        case Qt::Key_PageUp:
            return {Kind::MovePreviousTable};
        case Qt::Key_PageDown:
            return {Kind::MoveNextTable};
        default:
            return {};
        }
    }
    return {};
}

bool repeats(Kind kind) {
    switch (kind) {
    case Kind::Previous:
    case Kind::Next:
    case Kind::PreviousTable:
    case Kind::NextTable:
        return true;
    default:
        return false;
    }
}

} // namespace stripkeys

using stripkeys::Kind;

StripKeyboard::StripKeyboard(StripView& view, Selection& selection, TableSwitcher& switcher,
                             ButtonLauncher& launcher, Placement& placement, FindSession* find)
    : view_(view), selection_(selection), switcher_(switcher), launcher_(launcher),
      placement_(placement), find_(find) {}

StripKeyboard::Press StripKeyboard::press(int key, Qt::KeyboardModifiers modifiers,
                                          const QString& text, bool autoRepeat) {
    // Typing finds a button; a held Return never launches what it found.
    const bool repeatedReturn = autoRepeat && (key == Qt::Key_Return || key == Qt::Key_Enter);
    if (find_ && !repeatedReturn) {
        const FindSession::Answer found = find_->key(key, modifiers, text);
        if (found.launch)
            launcher_.launch(found.launch);
        if (found.handled)
            return Press::Done;
    }
    const stripkeys::Command command = stripkeys::commandFor(key, modifiers);
    if (command.kind == Kind::None)
        return Press::Ignored;
    // A held key repeats only moves: a repeat of Return, Space or Escape is
    // most often the tail of a key that chose a menu item or closed a box
    // and came to the strip once those were gone.
    if (autoRepeat && !stripkeys::repeats(command.kind))
        return Press::Done;
    if (command.kind == Kind::ButtonMenu)
        return Press::ButtonMenu;
    if (command.kind == Kind::OptionsMenu)
        return Press::OptionsMenu;
    run(command);
    return Press::Done;
}

int StripKeyboard::selectedSlot() const {
    if (!selection_.has())
        return 0;
    const int n = selection_.button();
    const int per = buttonslots::ButtonsPerTable;
    return (n - 1) / per + 1 == switcher_.shownTable() ? (n - 1) % per + 1 : 0;
}

void StripKeyboard::select(int table, int slot) {
    const int n = buttonslots::ButtonsPerTable * (table - 1) + slot;
    selection_.select(n);
    view_.setButtonNumberText(QString::number(n));
    view_.setKeyboardMark(n);
}

void StripKeyboard::run(stripkeys::Command command) {
    const int per = buttonslots::ButtonsPerTable;
    const int table = switcher_.shownTable();
    const int slot = selectedSlot();
    switch (command.kind) {
    case Kind::Previous:
        select(table, slot == 0 ? per : std::max(slot - 1, 1));
        break;
    case Kind::Next:
        select(table, slot == 0 ? 1 : std::min(slot + 1, per));
        break;
    case Kind::First:
        select(table, 1);
        break;
    case Kind::Last:
        select(table, per);
        break;
    case Kind::PreviousTable:
    case Kind::NextTable:
    case Kind::Table: {
        int to = command.table;
        if (command.kind == Kind::PreviousTable)
            to = table - 1;
        else if (command.kind == Kind::NextTable)
            to = table + 1;
        if (to < 1 || to > buttonslots::TableCount || to == table)
            break;
        switcher_.showTable(to);
        // The same place on the new table, so Page Down walks a column.
        select(to, slot == 0 ? 1 : slot);
        break;
    }
    case Kind::Launch:
        if (!selection_.has())
            break;
        view_.setKeyboardMark(0);
        launcher_.launch(selection_.button());
        break;
    case Kind::Hide:
        placement_.hideStrip();
        break;
    case Kind::SwapPrevious:
    case Kind::SwapNext: {
        // The selection goes along, so the key again carries it further.
        const int step = command.kind == Kind::SwapNext ? 1 : -1;
        const int n = selection_.button();
        if (slot == 0 || !arrange_)
            break;
        if (const int m = ButtonArrange::neighbour(n, step); m && arrange_->swap(n, m))
            select(table, slot + step);
        break;
    }
    case Kind::MovePreviousTable:
    case Kind::MoveNextTable: {
        const int to = table + (command.kind == Kind::MoveNextTable ? 1 : -1);
        if (slot == 0 || !arrange_ || to < 1 || to > buttonslots::TableCount)
            break;
        if (const int landed = arrange_->moveToTable(selection_.button(), to)) {
            switcher_.showTable(to);
            select(to, landed - buttonslots::firstButtonOfTable(to) + 1);
        }
        break;
    }
    case Kind::ButtonMenu:
    case Kind::OptionsMenu:
    case Kind::None:
        break;
    }
}
