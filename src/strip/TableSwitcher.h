#pragma once
#include <QObject>
#include <QPointer>
#include <array>

class QAction;
class QActionGroup;
class TForm1;

// Which table the strip shows: ShowTable with its slide-in, the tables
// menu's and the Open With items' actions and check marks, and the start
// table.
class TableSwitcher : public QObject {
    Q_OBJECT
public:
    static constexpr int SlideInterval = 100; // ms
    static constexpr int HiddenTop = -51;

    explicit TableSwitcher(TForm1& form);

    void showTable(int n);
    // One tick of the slide timer.
    void timer1Timer();
    // Choosing Open With > Table n.
    void tableBClick(int n);
    void applyStartTable();

    // Connects TableA1..30 of the tables menu.
    void wireTablesMenu();
    // Connects the Open With items TableB1..30 found by name; safe to call
    // again when the items were created later.
    void wireOpenWith();

    // The slide's Top for a tick (1..5); tables keep their Top otherwise.
    static int topForTick(int tick);

    // The tables-menu item and the Open With item of table n, or null.
    QAction* tableA(int n) const;
    QAction* tableB(int n) const;

    // The table sliding in (0 when idle) and the slide's tick.
    int slidingTable() const { return slidingTable_; }
    int slideTick() const { return slideTick_; }

private:
    // One pass over the strip's actions instead of a name search per item.
    void collectItems();

    TForm1& form_;
    std::array<QPointer<QAction>, 31> tableA_{};
    std::array<QPointer<QAction>, 31> tableB_{};
    int slidingTable_ = 0;
    int slideTick_ = 0;
    bool openWithWired_ = false;
    QActionGroup* openWithLevel1_ = nullptr;
    QActionGroup* openWithLevel2_ = nullptr;
};
