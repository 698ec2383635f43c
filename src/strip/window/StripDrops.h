#pragma once
#include <QObject>
#include <QString>

class Prompts;
class QWidget;
class Selection;
class SlotOperations;

// Drops on the strip (also over its panels and free areas): the first
// dropped item goes onto the selected button, whose number is taken at the
// drop and handed on as a value; the drop position does not count.
class StripDrops : public QObject {
    Q_OBJECT
public:
    StripDrops(QWidget* strip, const Selection& selection, SlotOperations& operations,
               Prompts& prompts, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* strip_;
    const Selection& selection_;
    SlotOperations& slots_;
    Prompts& prompts_;
    QString draggedPath_; // first item of the drag over the strip
};
