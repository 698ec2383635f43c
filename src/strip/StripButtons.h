#pragma once
#include <QObject>
#include <memory>

class ButtonHandler;
class Launcher;
class Placement;
class QMenu;
class SlotOperations;
class TForm1;

// Everything the strip's buttons, placement and button menu do, attached to
// the strip: built once with the strip as parent, after its controls exist.
class StripButtons : public QObject {
    Q_OBJECT
public:
    explicit StripButtons(TForm1* strip);
    ~StripButtons() override;

    Placement& placement() { return *placement_; }
    Launcher& launcher() { return *launcher_; }
    ButtonHandler& buttons() { return *buttons_; }
    SlotOperations& slotOperations() { return *slots_; }
    QMenu* buttonMenu() const { return menu_; }

private:
    TForm1* strip_;
    QMenu* menu_ = nullptr;
    Placement* placement_ = nullptr;
    std::unique_ptr<Launcher> launcher_;
    ButtonHandler* buttons_ = nullptr;
    SlotOperations* slots_ = nullptr;
};
