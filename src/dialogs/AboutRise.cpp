#include "dialogs/AboutRise.h"

void AboutRise::productClicked() {
    secondVisible_ = true;
    running_ = true;
}

void AboutRise::secondClicked() {
    tick_ = 0;
    rest();
}

void AboutRise::closed() {
    rest();
}

void AboutRise::rest() {
    running_ = false;
    top_ = RestTop;
    secondVisible_ = false;
}

void AboutRise::timerTick() {
    ++tick_;
    if (tick_ < LastTick) {
        top_ = RestTop - Step * tick_;
        return;
    }
    // The icon has risen; a timer started again without a new showing has
    // nothing left to move, so it stops at once.
    if (tick_ == LastTick)
        top_ = FinalTop;
    running_ = false;
}
