#pragma once
#include <QHash>
#include <QObject>
#include <QVector>

class Launcher;
class Prompts;
class QLabel;
class QMenu;
class QWidget;
struct StripState;

// The buttons' answer to the mouse. Moving over picture imgN selects button
// N and shows its number in Label2; moving over a table's free area empties
// Label2 and keeps the selection; a left press lowers panel ButN and
// launches, any release raises it again; right and middle presses do
// nothing (a right click opens the button menu at the pointer).
//
// attach() finds img1..img360, But1..But360, Table1..Table30 and Label2 below
// the strip by object name; one member per event takes the number.
class ButtonHandler : public QObject {
    Q_OBJECT
public:
    ButtonHandler(QWidget* strip, Prompts& prompts, StripState& state, Launcher& launcher,
                  QObject* parent = nullptr);

    void attach();
    // The menu a right click over a picture opens (PopupMenu1).
    void setButtonMenu(QMenu* menu) { menu_ = menu; }

    void imgMouseMove(int n);
    void imgMouseDown(int n, Qt::MouseButton button);
    void imgMouseUp(int n);
    void TableMouseMove(int table);

    // Whether panel ButN shows its lowered bevel.
    bool bevelLowered(int n) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setBevel(int n, bool lowered);

    QWidget* strip_;
    Prompts& prompts_;
    StripState& state_;
    Launcher& launcher_;
    QMenu* menu_ = nullptr;
    QLabel* label2_ = nullptr;
    QHash<QObject*, int> pictures_; // imgN -> N
    QHash<QObject*, int> tables_;   // TableT -> T
    QVector<QWidget*> panels_;      // ButN at index N
};
