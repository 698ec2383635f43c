#include "app/Summoner.h"

#include "platform/Activation.h"

#include <QTimer>
#include <QWindow>

Summoner::Summoner(std::function<void(const QString&)> comeForward,
                   std::function<QWindow*()> window, QObject* parent)
    : QObject(parent), comeForward_(std::move(comeForward)), window_(std::move(window)),
      wait_(new QTimer(this)) {
    wait_->setSingleShot(true);
    connect(wait_, &QTimer::timeout, this, [this] {
        if (tries_ < 2)
            ask();
        else
            settle(false);
    });
}

void Summoner::summon(const handover::Request& request) {
    // A later summons replaces one still being read back.
    disconnect(watch_);
    wait_->stop();
    token_ = request.token;
    tries_ = 0;
    comeForward_(request.kind == handover::Request::Kind::Find ? request.text : QString());
    ask();
}

void Summoner::ask() {
    QWindow* window = window_();
    if (!window) {
        settle(false);
        return;
    }
    ++tries_;
    activation::request(window, token_);
    if (window->isActive()) {
        settle(true);
        return;
    }
    disconnect(watch_);
    watch_ = connect(window, &QWindow::activeChanged, this, [this, window] {
        if (window->isActive())
            settle(true);
    });
    wait_->start(ReadBackMs);
}

void Summoner::settle(bool active) {
    disconnect(watch_);
    wait_->stop();
    emit answered(active);
}
