#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// Re-reading the lists on every paint or resize step would read a large
// folder many times a second: requests run the re-read at once when the
// last one is older than the interval, otherwise once when it has passed.
class RereadThrottle : public QObject {
public:
    explicit RereadThrottle(std::function<void()> reread, int intervalMs = 250,
                            QObject* parent = nullptr);

    void request();
    // A re-read that happened anyway (the folder was entered) starts the interval.
    void ran();
    int count() const { return count_; }

private:
    void fire();

    std::function<void()> reread_;
    int intervalMs_;
    QElapsedTimer last_;
    QTimer pending_;
    int count_ = 0;
};
