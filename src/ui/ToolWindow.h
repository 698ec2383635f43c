#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>
#include <functional>
#include <vector>

class QStatusBar;
class QToolBar;
class QWidget;

// Window-level set-up shared by the tool windows: caption, client size,
// border and title-bar boxes, and the one-panel status bar StatusBar1.
namespace toolwindow {

enum class Border {
    Sizeable,     // resizable, all boxes
    Fixed,        // fixed size, system menu and minimise box
    FixedNoClose, // fixed size handled by the caller, minimise box only
    Dialog,       // dialog frame, close box only
    None,         // no border, no title bar
};

void setUp(QWidget* window, const QString& objectName, const QString& caption, QSize client,
           Border border);
// Adds StatusBar1 at the bottom of the window's layout (making one when the
// window has none): one simple panel, bold. A message wider than the bar
// ends in an ellipsis instead of being cut off.
QStatusBar* addStatusBar(QWidget* window, bool sizeGrip);
// The message as such a bar draws it.
QString shownMessage(const QStatusBar& bar);
// Keeps every button of a tool bar on the bar, never behind its overflow
// arrow: when the captions beside their pictures are wider than the bar, the
// buttons show their captions alone.
void keepButtonsReachable(QToolBar* bar);
// Centres a window on the primary screen.
void centre(QWidget* window);
// The strip's frame on the desktop, asked each time a tool window is first
// shown: that window opens centred on the strip's screen without covering
// the strip. Unset: windows stay where centre put them.
void setStripArea(std::function<QRect()> area);
// The strip, for which every tool window is a dialog (WM_TRANSIENT_FOR):
// tiling window managers float such windows and keep them with the strip.
// Unset: tool windows stand alone.
void setOwner(std::function<QWidget*()> owner);
// For a borderless window that goes along with the strip and never takes
// the keyboard (the hint strip), shown now where it was moved: where the
// window system is read back to have put it elsewhere (a tiling compositor
// centres or tiles each window it manages, and ignores moves), the window
// places itself from then on, without the window manager.
void keepPlaceAsked(QWidget* window);
// Shows a tool window modelessly: restored if minimised, raised, activated.
// A window shown anew drops the hint its status bar kept while hidden: it
// was the hint of another window.
void present(QWidget* window);
// Keeps a box or dialog above the window that asked for it: transient for
// that window (so the window manager stacks it above)
// and on top of other programs when that window stays on top. Without an
// asker the dialog stands alone. Call before the dialog is shown.
void keepAbove(QWidget& dialog, QWidget* asker);

// A tool window makes its controls, pictures and menus in build steps,
// in order, which its constructor hands here. Made while a DeferredBuilds
// lives on this thread, the window keeps the steps for later: idle time may
// run them one at a time (buildStep), so no turn of the event loop waits for
// a whole window, and ensureBuilt runs the rest, once, before the window is
// first shown or used: the program shows its strip before it pays for
// windows the user has not asked for. Made anywhere else, it builds at once.
void buildOrDefer(QWidget* window, std::vector<std::function<void()>> steps);
void buildOrDefer(QWidget* window, std::function<void()> build);
// Runs the window's next deferred step; true when one ran now.
bool buildStep(QWidget* window);
// Runs every deferred step left; true when any ran now.
bool ensureBuilt(QWidget* window);
bool isBuilt(const QWidget* window);

class DeferredBuilds {
public:
    DeferredBuilds();
    ~DeferredBuilds();
    DeferredBuilds(const DeferredBuilds&) = delete;
    DeferredBuilds& operator=(const DeferredBuilds&) = delete;
};

} // namespace toolwindow
