#pragma once

// The about box's little animation: clicking the product icon shows a second
// icon behind it that rises 33 pixels in 1.1 seconds and stays. Closing the
// box puts it back, hidden, so the next showing can play it again.
class AboutRise {
public:
    static constexpr int RestTop = 120;
    static constexpr int Step = 3;
    static constexpr int LastTick = 11;
    static constexpr int FinalTop = 87;
    static constexpr int IntervalMs = 100;

    // The box is shown.
    void shown() { tick_ = 0; }
    // The product icon is clicked: the second icon shows and the timer runs.
    void productClicked();
    // The second icon is clicked, or the box closes: back to rest, hidden,
    // the timer stopped. A click also resets the tick.
    void secondClicked();
    void closed();
    // One timer tick.
    void timerTick();

    int tick() const { return tick_; }
    int top() const { return top_; }
    bool secondVisible() const { return secondVisible_; }
    bool running() const { return running_; }

private:
    void rest();

    int tick_ = 0;
    int top_ = RestTop;
    bool secondVisible_ = false;
    bool running_ = false;
};
