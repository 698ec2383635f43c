#include "dialogs/ReminderFlash.h"

namespace reminderflash {

Step step(int tick) {
    if (tick >= LastTick)
        return {QColor(255, 0, 0), false, true};
    return {tick % 2 == 1 ? QColor(255, 255, 255) : QColor(255, 0, 0), true, false};
}

} // namespace reminderflash
