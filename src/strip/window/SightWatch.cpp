#include "strip/window/SightWatch.h"

#include "ui/ActionGuard.h"

#include <QEvent>
#include <QWidget>

SightWatch::SightWatch(QWidget& strip, Prompts& prompts, std::function<bool()> onScreen, Tell tell)
    : QObject(&strip), strip_(strip), prompts_(prompts), onScreen_(std::move(onScreen)),
      tell_(std::move(tell)) {
    strip.installEventFilter(this);
}

bool SightWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::WindowStateChange: {
        // A hide is told before the window counts as hidden.
        const bool hiding = event->type() == QEvent::Hide;
        actionguard::run(prompts_, &strip_, [&] {
            tell_(!hiding && strip_.isVisible() && !strip_.isMinimized() && onScreen_());
        });
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
