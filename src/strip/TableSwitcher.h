#pragma once
#include <QObject>

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

private:
    QAction* tableA(int n) const;
    QAction* tableB(int n) const;

    TForm1& form_;
    bool openWithWired_ = false;
    QActionGroup* openWithLevel1_ = nullptr;
    QActionGroup* openWithLevel2_ = nullptr;
};
