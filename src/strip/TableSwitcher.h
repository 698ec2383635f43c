#pragma once
#include <QObject>

class ControlFile;
class QAction;
class QTimer;
class StripView;

// Which table the strip shows: ShowTable with its slide-in (its timer
// Timer1 is this class's), the check marks of the tables menu's and the
// Open With items, and the start table.
class TableSwitcher : public QObject {
    Q_OBJECT
public:
    static constexpr int SlideInterval = 100; // ms
    static constexpr int HiddenTop = -51;

    // The window connects the menu items and the timer to the handlers.
    TableSwitcher(StripView& view, ControlFile& file, QObject* parent = nullptr);

    void showTable(int n);
    // One tick of the slide timer.
    void slideStep();
    // Choosing Open With > Table n.
    void chooseStartTable(int n);
    void applyStartTable();
    // The menus are made after the strip shows: their check marks then.
    void applyMenus();

    // The slide's Top for a tick (1..5); tables keep their Top otherwise.
    static int topForTick(int tick);

    // The tables-menu item and the Open With item of table n, or null.
    QAction* tableA(int n) const;
    QAction* tableB(int n) const;

    // The table shown (1 until another is chosen).
    int shownTable() const { return shown_; }

signals:
    // Table n was chosen and is coming in.
    void tableShown(int n);

public:
    // The table sliding in (0 when idle) and the slide's tick.
    int slidingTable() const { return slidingTable_; }
    int slideTick() const { return slideTick_; }
    QTimer* slideTimer() const { return timer1_; }

private:
    StripView& view_;
    ControlFile& file_;
    QTimer* timer1_ = nullptr;
    int shown_ = 1;
    int startTable_ = 0; // its Open With item is checked
    int slidingTable_ = 0;
    int slideTick_ = 0;
};
