#pragma once
// The launcher strip: the main window and its controls. It builds every
// control with its object name (a table when first needed) and the menus
// (after the show), owns the strip's logic and connects the controls to it;
// the logic sees the strip's values through StripView, the window's helpers
// its typed controls, and neither looks a control up.
#include "context/AppContext.h"
#include "strip/Selection.h"
#include "strip/StripMenus.h"
#include "strip/window/StripControls.h"

#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class ControlFile;
class Opener;
class Prompts;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class ButtonImage;
class CutBox;
class HintRouter;
class BrokenTargets;
class ButtonArrange;
class ButtonDrag;
class ButtonFinder;
class ButtonHandler;
class FindList;
class LazyFindList;
class FindSession;
class FontWarmUp;
class ButtonLauncher;
class OptionsMenu;
class Placement;
class PlacementEvents;
class ShownSettings;
class StripDrops;
class StripKeyboard;
class SlotOperations;
class TableLoader;
class TableSwitcher;
class ToolsMenus;

class TForm1 : public QWidget, public StripControls {
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

    explicit TForm1(AppContext& context, QWidget* parent = nullptr);
    ~TForm1() override;

    AppContext& context() { return context_; }
    const ProgramPaths& paths() const { return context_.paths; }
    ControlFile& controlFile() { return *context_.controlFile; }
    Prompts& prompts() { return *context_.prompts; }
    Opener& opener() { return *context_.opener; }

    // StripControls.
    QWidget* stripWindow() override { return this; }
    StripMenus& menus() override { return menus_; }
    // The menus are made in the first turn after the strip shows, or when
    // first asked for.
    QMenu* buttonMenu() const override;
    QWidget* panelLeft() const override { return panelLeft_; }
    QLabel* label1() const override { return label1_; }
    QWidget* imageMove() const override { return imageMove_; }
    QWidget* panelRight() const override { return panelRight_; }
    QLabel* label2() const override { return label2_; }
    QWidget* imageExit() const override { return imageExit_; }
    QLabel* labelHide() const override { return labelHide_; }
    CutBox* cutTo(int i) const override { return cutTo_[i - 1]; } // 1..3
    // Table t with its buttons But/img; made when first asked for.
    QFrame* table(int t) const override;              // 1..30
    QFrame* buttonPanel(int n) const override;        // But1..But360
    ButtonImage* buttonPicture(int n) const override; // img1..img360
    bool tableMade(int t) const override { return tables_[t - 1] != nullptr; }
    // The tables not shown are made after the strip first shows, one an
    // event-loop turn; this makes the ones left at once.
    void makeAllTables();

    QFrame* table31() const { return table31_; }
    ButtonImage* image1() const { return image1_; }
    QMenu* tablesMenu() const;
    QMenu* optionsMenu() const;
    void makeMenus();
    QTimer* timer1() const;                    // the slide's timer
    QTimer* timer2() const { return timer2_; } // the reminder's one-shot timer
    HintRouter& hintRouter() { return *hintRouter_; }
    TableLoader& tableLoader() { return *loader_; }
    TableSwitcher& tableSwitcher() { return *switcher_; }
    BrokenTargets& brokenTargets() { return *brokenTargets_; }
    FindList& findList();
    Placement& placement() { return *placement_; }
    SlotOperations& slotOperations() { return *slots_; }
    ShownSettings& settings() { return *settings_; }
    // The selected button: the last one the pointer crossed.
    Selection& selection() { return selection_; }

    void showTable(int n);

    // The show steps: apply the start table, accept drops; then, in the next
    // turn, start loading, and make the menus when it is done. Runs once, on
    // the first show, right after the window maps.
    void formShow();
    // Summoned: back from hiding and raised (the caller asks for activation
    // in the name of whoever summoned it); a text opens type to find on it.
    void comeForward(const QString& find = {});
    // The closing steps; run by closeEvent.
    void formClose();

    void setVisible(bool visible) override;

signals:
    // The strip has closed: the program ends.
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QObject* sightWatch_ = nullptr; // reads the placement: goes before it
    void buildLayout();
    QFrame* makeTable(int t);
    void makeNextTableLater();
    void createHelpers();

    AppContext& context_;
    Selection selection_;
    StripMenus menus_;
    QMenu* tablesMenu_ = nullptr;
    QMenu* buttonMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
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
    QTimer* timer2_ = nullptr;
    // The helpers, made after the controls; the QObjects are children.
    HintRouter* hintRouter_ = nullptr;
    std::unique_ptr<ShownSettings> settings_;
    TableSwitcher* switcher_ = nullptr;
    TableLoader* loader_ = nullptr;
    std::unique_ptr<Placement> placement_;
    class WindowLaunchEffects;
    std::unique_ptr<WindowLaunchEffects> launchEffects_;
    std::unique_ptr<ButtonLauncher> launcher_;
    std::unique_ptr<SlotOperations> slots_;
    std::unique_ptr<OptionsMenu> options_;
    std::unique_ptr<StripKeyboard> keyboard_;
    std::unique_ptr<ButtonArrange> arrange_;
    std::unique_ptr<ButtonFinder> finder_;
    std::unique_ptr<LazyFindList> findList_;
    std::unique_ptr<FindSession> find_;
    // Started as the strip maps: before that, the thread would take the
    // second core from the strip's own start; the first paint needs it.
    std::unique_ptr<FontWarmUp> fonts_;
    ButtonHandler* buttonHandler_ = nullptr;
    ButtonDrag* buttonDrag_ = nullptr;
    BrokenTargets* brokenTargets_ = nullptr;
    PlacementEvents* placementEvents_ = nullptr;
    StripDrops* drops_ = nullptr;
    ToolsMenus* tools_ = nullptr;
};
