#pragma once
// The launcher strip: the main window and its controls. It builds every
// control with its object name (a table when first needed, by StripTables);
// StripAssembly makes the helpers that connect the controls to the strip's
// logic, StripStartup what follows the first map (the menus among it). The
// logic sees the strip's values through StripView, the window's helpers its
// typed controls, and neither looks a control up.
#include "context/AppContext.h"
#include "strip/Selection.h"
#include "strip/StripMenus.h"
#include "strip/window/StripAssembly.h"
#include "strip/window/StripControls.h"
#include "strip/window/StripTables.h"

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
class StripStartup;

class TForm1 : public QWidget, public StripControls {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 622;
    static constexpr int ClientHeight = 51;
    // x of slot k (1..12) within a table panel.
    static int slotX(int slot) { return striplayout::slotX(slot); }

    explicit TForm1(AppContext& context, QWidget* parent = nullptr);
    ~TForm1() override;

    AppContext& context() { return context_; }
    const ProgramPaths& paths() const { return context_.paths; }
    ControlFile& controlFile() { return *context_.controlFile; }
    Prompts& prompts() { return *context_.prompts; }
    Opener& opener() { return *context_.opener; }

    // StripControls.
    QWidget* stripWindow() const override { return self_; }
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
    bool tableMade(int t) const override;
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
    HintRouter& hintRouter() { return parts_->hintRouter(); }
    TableLoader& tableLoader() { return parts_->loader(); }
    TableSwitcher& tableSwitcher() { return parts_->switcher(); }
    BrokenTargets& brokenTargets() { return parts_->brokenTargets(); }
    FindList& findList();
    Placement& placement() { return parts_->placement(); }
    SlotOperations& slotOperations() { return parts_->slotOperations(); }
    ShownSettings& settings() { return parts_->settings(); }
    // The selected button: the last one the pointer crossed.
    Selection& selection() { return selection_; }

    void showTable(int n);

    // The show steps (StripStartup); run once, on the first show, right
    // after the window maps.
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
    void buildLayout();

    AppContext& context_;
    QWidget* const self_ = this;
    Selection selection_;
    StripMenus menus_;
    bool shown_ = false;

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
    QTimer* timer2_ = nullptr;
    std::unique_ptr<StripTables> tables_;
    // Made after the controls; goes before them.
    std::unique_ptr<StripAssembly> parts_;
    std::unique_ptr<StripStartup> startup_;
};
