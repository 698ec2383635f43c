#include "dialogs/ReminderClock.h"

#include <QDateTime>
#include <QTimer>
#include <algorithm>

ReminderClock::ReminderClock(QTimer& timer, Now now, QObject* parent)
    : QObject(parent), timer_(timer), now_(std::move(now)) {
    if (!now_)
        now_ = [] { return QDateTime::currentMSecsSinceEpoch(); };
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ReminderClock::check);
}

bool ReminderClock::start(int minutes) {
    if (minutes < 1 || minutes > MaxMinutes)
        return false;
    if (running_ && minutes == minutes_)
        return false;
    minutes_ = minutes;
    deadline_ = now_() + qint64(minutes) * 60000;
    running_ = true;
    arm();
    return true;
}

void ReminderClock::stop() {
    running_ = false;
    minutes_ = 0;
    timer_.stop();
}

void ReminderClock::check() {
    if (!running_)
        return;
    if (now_() < deadline_) {
        arm();
        return;
    }
    running_ = false;
    timer_.stop();
    emit due();
}

void ReminderClock::arm() {
    // The monotonic timer stands still while the machine sleeps: wake at
    // least every CheckInterval to look at the wall clock.
    const qint64 left = deadline_ - now_();
    timer_.start(int(std::clamp<qint64>(left, 0, CheckInterval)));
}
