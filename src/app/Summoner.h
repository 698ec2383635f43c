#pragma once
#include "platform/HandOver.h"

#include <QObject>
#include <functional>

class QTimer;
class QWindow;

// Brings the strip forward when summoned (a later start, the global
// shortcut) and reads back that the window manager made it the active
// window: a request it ignored, as some do while a window maps or when
// another has just taken the focus, is made once more.
class Summoner : public QObject {
    Q_OBJECT
public:
    // comeForward: back from hiding, raised, type to find open on the text.
    Summoner(std::function<void(const QString& find)> comeForward, std::function<QWindow*()> window,
             QObject* parent = nullptr);

    void summon(const handover::Request& request);
    // How long each request is given to show in the window's state.
    static constexpr int ReadBackMs = 1000;

signals:
    // The read-back: the strip became the active window, or not after a retry.
    void answered(bool active);

private:
    void ask();
    void settle(bool active);

    std::function<void(const QString&)> comeForward_;
    std::function<QWindow*()> window_;
    QTimer* wait_ = nullptr;
    QByteArray token_;
    int tries_ = 0;
    QMetaObject::Connection watch_;
};
