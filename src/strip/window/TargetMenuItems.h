#pragma once
#include <QList>
#include <QObject>
#include <functional>

class ControlFile;
class ButtonLauncher;
class Prompts;
class QAction;
class QMenu;
class QWidget;
class Selection;
class StripView;
class ToolWindows;
struct StripMenus;

// The button menu's items that act on the selected button's target: "File
// Prop...", and those made each time the menu opens: a desktop entry's
// actions after "Open" (their localized names and icons), and "Launch
// Options…" only for programs and scripts, whose window stores the options
// and shows them in the hint.
class TargetMenuItems : public QObject {
    Q_OBJECT
public:
    struct Parts {
        ControlFile& file;
        Selection& selection;
        ButtonLauncher& launcher;
        Prompts& prompts;
        StripView& view;
        QWidget* strip;
        std::function<ToolWindows*()> tools; // none while the program starts
    };
    TargetMenuItems(QMenu* menu, const StripMenus& items, Parts parts);

    // More would not fit on a screen's menu; the rest stay reachable through
    // the desktop's own launcher.
    static constexpr int MaxActions = 16;

private:
    void refresh();
    void editOptions();

    QMenu* menu_;
    QAction* open_;
    QAction* options_;
    Parts parts_;
    QList<QAction*> actions_;
};
