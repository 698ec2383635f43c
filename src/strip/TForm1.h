#pragma once
// The launcher strip: the main window and its controls.
//
// How to attach to the strip (for the code that adds placement, buttons,
// menus and tools):
//   * Find controls by object name: findChild<QWidget*>("ImageMove"),
//     findChild<QAction*>("TableA5"), or use the typed accessors below
//     (buttonPicture(37), table(3), ...).
//   * Add one line to createStripAttachments() in StripAttachments.cpp that
//     constructs your class with the strip as parent (event filters, menus,
//     signal connections). Attachments are created after every control and
//     the tables menu exist and before the start-up settings run, so menu
//     items such as Hide1/Close1/StayOnTop1/Normal1/TableB1.. that you build
//     there get their start-up state applied.
//   * The button menu's Properties > Open With submenu comes from
//     buildOpenWithMenu() (OpenWithMenu.h); the table switcher wires the
//     TableB items by name.
//   * Position: set hooks().restorePosition / hooks().savePosition to replace
//     the plain built-in versions (start-up restore, closing rule).
//   * Every Qt entry point runs through actionguard with prompts().
#include "context/AppContext.h"
#include "graphics/Picture.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class ControlFile;
class Opener;
class Prompts;
class QFrame;
class QLabel;
class QMenu;
class QThread;
class QTimer;
class ButtonImage;
class CutBox;
class HintRouter;
class TableLoader;
class TableSwitcher;

// The launcher state the strip's helpers share; each helper keeps its own
// (the drag in Placement, the slide in TableSwitcher, the cut and icon
// buffers in SlotOperations).
struct StripState {
    int selectedButton = 0; // 0 = none, else 1..360
    bool hideMode = false;  // true: hide at the left edge after a launch
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 622;
    static constexpr int ClientHeight = 51;
    static constexpr int TableX = 51;
    static constexpr int ButtonY = 8;
    static constexpr int ButtonPanelSize = 36;
    static constexpr int PictureSize = 34;
    // x of slot k (1..12) within a table panel.
    static int slotX(int slot);

    struct Hooks {
        std::function<void()> restorePosition;
        std::function<void()> savePosition;
    };

    explicit TForm1(AppContext& context, QWidget* parent = nullptr);
    ~TForm1() override;

    AppContext& context() { return context_; }
    const ProgramPaths& paths() const { return context_.paths; }
    ControlFile& controlFile() { return *context_.controlFile; }
    Prompts& prompts() { return *context_.prompts; }
    Opener& opener() { return *context_.opener; }
    StripState& state() { return state_; }
    Hooks& hooks() { return hooks_; }

    QWidget* panelLeft() const { return panelLeft_; }
    QLabel* label1() const { return label1_; }
    QWidget* imageMove() const { return imageMove_; }
    QWidget* panelRight() const { return panelRight_; }
    QLabel* label2() const { return label2_; }
    QWidget* imageExit() const { return imageExit_; }
    QLabel* labelHide() const { return labelHide_; }
    QFrame* table31() const { return table31_; }
    ButtonImage* image1() const { return image1_; }
    CutBox* cutTo(int i) const { return cutTo_[i - 1]; }               // 1..3
    QFrame* table(int t) const { return tables_[t - 1]; }              // 1..30
    QFrame* buttonPanel(int n) const { return buttons_[n - 1]; }       // But1..But360
    ButtonImage* buttonPicture(int n) const { return images_[n - 1]; } // img1..img360
    QMenu* tablesMenu() const { return popupMenu2_; }
    QTimer* timer1() const { return timer1_; }
    QTimer* timer2() const { return timer2_; } // the reminder's one-shot timer
    HintRouter& hintRouter() { return *hintRouter_; }
    TableLoader& tableLoader() { return *loader_; }
    TableSwitcher& tableSwitcher() { return *switcher_; }

    // The picture and hint of button n (1..360).
    void setButtonPicture(int n, const Picture& picture);
    void setButtonHint(int n, const QString& hint);
    QString buttonHint(int n) const;

    void showTable(int n);

    // The show steps: start loading, apply the start table, accept drops.
    // Runs once, on the first show.
    void formShow();
    // The first start found the extensive help file: formShow shows the
    // help window, the tool windows existing by then.
    void showExtensiveHelpWhenShown() { helpAtShow_ = true; }
    // The closing steps; run by closeEvent.
    void formClose();
    // Built-in position rules, replaced through hooks().
    void restorePosition();
    void savePosition();

signals:
    // The strip has closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();

    AppContext& context_;
    StripState state_;
    Hooks hooks_;
    bool shown_ = false;
    bool helpAtShow_ = false;

    QWidget* panelLeft_ = nullptr;
    QLabel* label1_ = nullptr;
    QWidget* imageMove_ = nullptr;
    QWidget* panelRight_ = nullptr;
    QLabel* label2_ = nullptr;
    QWidget* imageExit_ = nullptr;
    QLabel* labelHide_ = nullptr;
    QFrame* table31_ = nullptr;
    ButtonImage* image1_ = nullptr;
    std::array<CutBox*, 3> cutTo_{};
    std::array<QFrame*, 30> tables_{};
    std::array<QFrame*, 360> buttons_{};
    std::array<ButtonImage*, 360> images_{};
    QMenu* popupMenu2_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    HintRouter* hintRouter_ = nullptr;
    TableLoader* loader_ = nullptr;
    TableSwitcher* switcher_ = nullptr;
};
