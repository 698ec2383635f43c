#pragma once
#include <QObject>
#include <functional>

class Prompts;
class QWidget;

// Tells whether the strip is in sight each time that may have changed: the
// window shown or hidden, minimised or restored, moved to or from its place
// hidden at the screen edge.
class SightWatch : public QObject {
public:
    using Tell = std::function<void(bool inSight)>;
    // Listens to the strip from now on; a child of it.
    SightWatch(QWidget& strip, Prompts& prompts, std::function<bool()> onScreen, Tell tell);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& strip_;
    Prompts& prompts_;
    std::function<bool()> onScreen_;
    Tell tell_;
};
