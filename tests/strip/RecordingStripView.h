#pragma once
// The strip's controls without the strip window, for the tests of the
// window's helpers (event handlers, menus): laid out as on the strip (so
// real pointer events land where they would), with the real menus and the
// selected button, as the strip window holds them. The strip's logic is
// tested over testsupport::RecordingStripValues, which has no widgets.
#include "core/ButtonSlots.h"
#include "strip/Selection.h"
#include "strip/StripMenus.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/ButtonMenu.h"
#include "strip/window/CutBox.h"
#include "strip/window/StripControls.h"
#include "strip/window/TablesMenu.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <array>

namespace teststrip {

inline int slotX(int slot) {
    static const int xs[12] = {8, 50, 93, 135, 178, 221, 264, 307, 350, 392, 434, 477};
    return xs[slot - 1];
}

class RecordingStripView : public StripControls {
public:
    Selection selection;
    QWidget window;
    QWidget* const topLevel = &window;

    RecordingStripView() {
        window.setObjectName("TForm1");
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setFixedSize(622, 51);
        left_ = new QWidget(&window);
        left_->setObjectName("PanelLeft");
        left_->setGeometry(0, 0, 51, 51);
        label1_ = new QLabel(QStringLiteral("Tabel 1"), left_);
        label1_->setObjectName("Label1");
        label1_->setGeometry(1, 1, 49, 13);
        imageMoveWidget = new QWidget(left_);
        imageMoveWidget->setObjectName("ImageMove");
        imageMoveWidget->setGeometry(1, 14, 49, 36);
        for (int t = 1; t <= buttonslots::TableCount; ++t) {
            auto* table = new QFrame(&window);
            table->setObjectName(QStringLiteral("Table%1").arg(t));
            table->setGeometry(51, 0, 520, 51);
            table->setVisible(t == 1);
            tables_[t - 1] = table;
            for (int k = 1; k <= buttonslots::ButtonsPerTable; ++k) {
                const int n = buttonslots::ButtonsPerTable * (t - 1) + k;
                auto* panel = new QFrame(table);
                panel->setObjectName(QStringLiteral("But%1").arg(n));
                panel->setFrameShape(QFrame::Panel);
                panel->setFrameShadow(QFrame::Raised);
                panel->setGeometry(slotX(k), 8, 36, 36);
                panels_[n - 1] = panel;
                auto* img = new ButtonImage(panel);
                img->setObjectName(QStringLiteral("img%1").arg(n));
                img->setGeometry(1, 1, 34, 34);
                pictures_[n - 1] = img;
            }
        }
        right_ = new QWidget(&window);
        right_->setObjectName("PanelRight");
        right_->setGeometry(571, 0, 51, 51);
        label2Widget = new QLabel(right_);
        label2Widget->setObjectName("Label2");
        label2Widget->setGeometry(1, 1, 49, 13);
        door_ = new QWidget(right_);
        door_->setObjectName("ImageExit");
        door_->setGeometry(1, 14, 49, 36);
        labelHideWidget = new QLabel(right_);
        labelHideWidget->setObjectName("LabelHide");
        labelHideWidget->setGeometry(43, 0, 6, 51);
        for (int i = 0; i < 3; ++i) {
            cuts_[i] = new CutBox(&window);
            cuts_[i]->setObjectName(QStringLiteral("CutTo%1").arg(i + 1));
        }
        buildTablesMenu(&window, menus_.tableA);
        buttonMenu_ = buttonmenu::build(&window, menus_);
    }

    QFrame* panel(int n) { return buttonPanel(n); }
    ButtonImage* img(int n) { return buttonPicture(n); }

    QWidget* stripWindow() const override { return topLevel; }
    QWidget* panelLeft() const override { return left_; }
    QWidget* panelRight() const override { return right_; }
    QLabel* label1() const override { return label1_; }
    QLabel* label2() const override { return label2Widget; }
    QWidget* imageMove() const override { return imageMoveWidget; }
    QWidget* imageExit() const override { return door_; }
    QLabel* labelHide() const override { return labelHideWidget; }
    QFrame* table(int t) const override { return tables_.at(t - 1); }
    QFrame* buttonPanel(int n) const override { return panels_.at(n - 1); }
    ButtonImage* buttonPicture(int n) const override { return pictures_.at(n - 1); }
    CutBox* cutTo(int i) const override { return cuts_.at(i - 1); }
    StripMenus& menus() override { return menus_; }
    QMenu* buttonMenu() const override { return buttonMenu_; }
    void setButtonMenu(QMenu* menu) { buttonMenu_ = menu; }

private:
    QWidget* left_ = nullptr;
    QWidget* right_ = nullptr;
    QLabel* label1_ = nullptr;
    QWidget* door_ = nullptr;
    QWidget* imageMoveWidget = nullptr;
    QLabel* label2Widget = nullptr;
    QLabel* labelHideWidget = nullptr;
    std::array<QFrame*, buttonslots::TableCount> tables_{};
    std::array<QFrame*, buttonslots::ButtonCount> panels_{};
    std::array<ButtonImage*, buttonslots::ButtonCount> pictures_{};
    std::array<CutBox*, 3> cuts_{};
    StripMenus menus_;
    QMenu* buttonMenu_ = nullptr;
};

} // namespace teststrip
