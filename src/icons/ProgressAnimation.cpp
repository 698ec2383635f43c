#include "icons/ProgressAnimation.h"

#include <algorithm>

ProgressAnimation::Frame ProgressAnimation::tick(int barValue) {
    ++tick_;
    if (tick_ <= Steps)
        return {std::min(barValue + StepSize, 100), false};
    tick_ = 0;
    return {barValue, true};
}
