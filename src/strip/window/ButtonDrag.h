#pragma once
#include <QHash>
#include <QObject>
#include <QPoint>
#include <functional>

class ButtonArrange;
class ButtonHandler;
class ControlFile;
class Prompts;
class QMenu;
class StripControls;

// Buttons dragged with the pointer. A left press that moves past the
// desktop's drag distance becomes a drag and launches nothing; a press
// without that movement is the button handler's, as before. The drag
// carries the button's target to any drop site (text/uri-list for a path,
// the address itself for an address); the strip takes it back itself:
// dropped on another button the two swap, dropped on the table label or the
// move handle the tables menu opens and the button moves to the chosen
// table. Other drops on the strip stay with StripDrops.
class ButtonDrag : public QObject {
    Q_OBJECT
public:
    using TablesMenu = std::function<QMenu*()>;
    // Watches the pictures made so far and the strip's drops; made after
    // StripDrops, so that it sees a drop first.
    ButtonDrag(StripControls& view, ButtonArrange& arrange, ControlFile& file, Prompts& prompts,
               ButtonHandler& handler, TablesMenu tablesMenu, QObject* parent = nullptr);

    void attachTable(int t);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pictureEvent(int n, QEvent* event);
    bool stripEvent(QEvent* event);
    void startDrag(int n);
    // What lies under a point of the strip: a button, or the place that
    // opens the tables menu.
    int buttonAt(QPoint pos) const;
    bool tablesPlaceAt(QPoint pos) const;
    void chooseTable(int n);

    StripControls& view_;
    ButtonArrange& arrange_;
    ControlFile& file_;
    Prompts& prompts_;
    ButtonHandler& handler_;
    TablesMenu tablesMenu_;
    QHash<QObject*, int> pictures_; // imgN -> N
    QHash<QObject*, int> panels_;   // ButN -> N
    int pressed_ = 0;               // the button a left press is on
    QPoint pressedAt_;              // where, on the screen
    // What the strip's own drop asked for: a button to swap with, or the tables menu.
    int dropOn_ = 0;
    bool dropOnTables_ = false;
    int moving_ = 0; // the button the tables menu is open for
    QMenu* menuWatched_ = nullptr;
};
