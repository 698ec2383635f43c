#include "filemanager/RereadThrottle.h"

RereadThrottle::RereadThrottle(std::function<void()> reread, int intervalMs, QObject* parent)
    : QObject(parent), reread_(std::move(reread)), intervalMs_(intervalMs) {
    pending_.setSingleShot(true);
    connect(&pending_, &QTimer::timeout, this, [this] { fire(); });
}

void RereadThrottle::request() {
    if (pending_.isActive())
        return;
    if (!last_.isValid() || last_.elapsed() >= intervalMs_)
        fire();
    else
        pending_.start(int(intervalMs_ - last_.elapsed()));
}

void RereadThrottle::ran() {
    last_.start();
}

void RereadThrottle::fire() {
    last_.start();
    ++count_;
    reread_();
}
