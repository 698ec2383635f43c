#pragma once

// The progress panel's show while Save All runs: ten steps of a tenth of the
// bar, then the done text. It does not follow the saving itself.
class ProgressAnimation {
public:
    static constexpr int IntervalMs = 500;
    static constexpr int Steps = 10;
    static constexpr int StepSize = 10; // of the bar's 0 .. 100

    struct Frame {
        int value = 0;     // the bar's position after this tick
        bool done = false; // the last tick: stop and show the done text
    };

    // One tick of the progress timer.
    Frame tick(int barValue);
    void reset() { tick_ = 0; }
    int ticks() const { return tick_; }

private:
    int tick_ = 0;
};
