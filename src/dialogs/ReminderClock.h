#pragma once
#include <QObject>
#include <QString>
#include <QtGlobal>
#include <functional>

class QTimer;

// The one reminder: a deadline on the wall clock, counted by the timer it is
// given. The timer only wakes the clock now and then to compare the time, so
// a count longer than one timer can hold still fires, and a machine that
// slept past the deadline fires as soon as it wakes.
class ReminderClock : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxMinutes = 71582; // minutes x 60000 ms fits 32 unsigned bits
    static constexpr int CheckInterval = 1000;
    // What the reminder window and the desktop notification say.
    static QString dueText() { return tr("The time you set is up!"); }

    using Now = std::function<qint64()>; // milliseconds since the epoch
    explicit ReminderClock(QTimer& timer, Now now = {}, QObject* parent = nullptr);

    // Starts counting minutes (1..MaxMinutes) from now, unless the same count
    // is already running: then the running one goes on. Returns whether the
    // count was (re)started.
    bool start(int minutes);
    void stop();
    bool isRunning() const { return running_; }
    int minutes() const { return minutes_; }
    qint64 deadline() const { return deadline_; }

    // Compares the clock with the deadline: fires due() once it has passed,
    // otherwise waits again. The timer calls it; tests may too.
    void check();

signals:
    void due();

private:
    void arm();

    QTimer& timer_;
    Now now_;
    bool running_ = false;
    int minutes_ = 0;
    qint64 deadline_ = 0;
};
