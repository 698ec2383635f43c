#pragma once
#include <QObject>

class Placement;
class Prompts;
class QScreen;
class StripControls;

// The move handle's and the hide bar's mouse events, handed to the strip's
// placement: a press, move and release on the handle drag the strip; the
// pointer entering, leaving or moving over the bar, and a left click on
// it, hide the strip or bring it back. A change of the screens keeps the
// strip on them.
class PlacementEvents : public QObject {
    Q_OBJECT
public:
    PlacementEvents(StripControls& view, Placement& placement, Prompts& prompts,
                    QObject* parent = nullptr);

    // Listens to the move handle and the hide bar.
    void attach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool moveHandleEvent(QEvent* event);
    bool hideBarEvent(QEvent* event);
    void watchScreen(QScreen* screen);
    void keepOnScreensLater();

    StripControls& view_;
    Placement& placement_;
    Prompts& prompts_;
    bool hideBarPressed_ = false;
};
