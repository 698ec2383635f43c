#pragma once
#include <QHash>
#include <QObject>

class ButtonLauncher;
class Prompts;
class Selection;
class StripControls;

// The buttons' answer to the mouse. Moving over picture imgN selects button
// N and shows its number in Label2; moving over a table's free area empties
// Label2 and keeps the selection; a left press lowers panel ButN, any
// release raises it again and the left one launches, unless the press
// became a drag; right and middle presses do nothing (a right click opens
// the button menu at the pointer).
//
// attach() listens to the pictures and tables made so far, attachTable(t)
// to those of a table made later; one member per event takes the number.
class ButtonHandler : public QObject {
    Q_OBJECT
public:
    // A right click over a picture opens the view's button menu.
    ButtonHandler(StripControls& view, Selection& selection, Prompts& prompts,
                  ButtonLauncher& launcher, QObject* parent = nullptr);

    void attach();
    void attachTable(int t);

    void imgMouseMove(int n);
    void imgMouseDown(int n, Qt::MouseButton button);
    void imgMouseUp(int n, Qt::MouseButton button = Qt::LeftButton);
    // The pointer went past the drag distance: the press launches nothing.
    void pressBecameDrag();
    void TableMouseMove(int table);

    // Whether panel ButN shows its lowered bevel.
    bool bevelLowered(int n) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setBevel(int n, bool lowered);

    StripControls& view_;
    Selection& selection_;
    Prompts& prompts_;
    ButtonLauncher& launcher_;
    int pressed_ = 0;               // the button a left press is on, until its release
    QHash<QObject*, int> pictures_; // imgN -> N
    QHash<QObject*, int> tables_;   // TableT -> T
};
