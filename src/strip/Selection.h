#pragma once
#include "core/ButtonSlots.h"

// The selected button: the last one the pointer crossed (or the keyboard
// chose), which the button menu's items act on. 0 is none.
class Selection {
public:
    int button() const { return button_; }
    bool has() const { return button_ >= 1 && button_ <= buttonslots::ButtonCount; }
    void select(int n) { button_ = n; }
    void clear() { button_ = 0; }

private:
    int button_ = 0;
};
