#pragma once
#include <QColor>

// The reminder window's flashing, one step a second: white and red by turns
// with a beep, ending red and silent at the tenth tick.
namespace reminderflash {

constexpr int IntervalMs = 1000;
constexpr int LastTick = 10;

struct Step {
    QColor colour;
    bool beep = false;
    bool last = false; // the flashing stops and the tick goes back to 0
};

// The step for a tick counted from 1.
Step step(int tick);

} // namespace reminderflash
