#pragma once
#include <QObject>

class ControlFile;
class Prompts;
class QAction;
class QActionGroup;
class QTimer;
class StripView;

// Which table the strip shows: ShowTable with its slide-in (its timer
// Timer1 is this class's), the tables menu's and the Open With items'
// actions and check marks, and the start table.
class TableSwitcher : public QObject {
    Q_OBJECT
public:
    static constexpr int SlideInterval = 100; // ms
    static constexpr int HiddenTop = -51;

    // Connects the tables menu's and the Open With items of the view's menus.
    TableSwitcher(StripView& view, ControlFile& file, Prompts& prompts, QObject* parent = nullptr);

    void showTable(int n);
    // One tick of the slide timer.
    void timer1Timer();
    // Choosing Open With > Table n.
    void tableBClick(int n);
    void applyStartTable();

    // The slide's Top for a tick (1..5); tables keep their Top otherwise.
    static int topForTick(int tick);

    // The tables-menu item and the Open With item of table n, or null.
    QAction* tableA(int n) const;
    QAction* tableB(int n) const;

    // The table sliding in (0 when idle) and the slide's tick.
    int slidingTable() const { return slidingTable_; }
    int slideTick() const { return slideTick_; }
    QTimer* slideTimer() const { return timer1_; }

private:
    void wireTablesMenu();
    void wireOpenWith();

    StripView& view_;
    ControlFile& file_;
    Prompts& prompts_;
    QTimer* timer1_ = nullptr;
    int slidingTable_ = 0;
    int slideTick_ = 0;
    QActionGroup* openWithLevel1_ = nullptr;
    QActionGroup* openWithLevel2_ = nullptr;
};
