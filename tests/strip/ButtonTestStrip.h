#pragma once
// A stand-in for the launcher strip with the controls the button, slot and
// placement classes find by name: the move handle, the tables with their
// button panels and pictures, the number label, the hide bar and the cut
// boxes. Laid out like the strip, so real pointer events land where they
// would on it.
#include "core/ButtonSlots.h"
#include "strip/CutBox.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace teststrip {

inline int slotX(int slot) {
    static const int xs[12] = {8, 50, 93, 135, 178, 221, 264, 307, 350, 392, 434, 477};
    return xs[slot - 1];
}

struct Strip {
    QWidget window;
    QWidget* imageMove = nullptr;
    QLabel* label2 = nullptr;
    QLabel* labelHide = nullptr;
    QWidget hintStrip;

    explicit Strip(int tables = 30) {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.resize(622, 51);
        auto* left = new QWidget(&window);
        left->setObjectName("PanelLeft");
        left->setGeometry(0, 0, 51, 51);
        imageMove = new QWidget(left);
        imageMove->setObjectName("ImageMove");
        imageMove->setGeometry(1, 14, 49, 36);
        for (int t = 1; t <= tables; ++t) {
            auto* table = new QFrame(&window);
            table->setObjectName(QStringLiteral("Table%1").arg(t));
            table->setGeometry(51, 0, 520, 51);
            table->setVisible(t == 1);
            for (int k = 1; k <= 12; ++k) {
                const int n = buttonslots::ButtonsPerTable * (t - 1) + k;
                auto* panel = new QFrame(table);
                panel->setObjectName(QStringLiteral("But%1").arg(n));
                panel->setFrameShape(QFrame::Panel);
                panel->setFrameShadow(QFrame::Raised);
                panel->setGeometry(slotX(k), 8, 36, 36);
                auto* img = new QWidget(panel);
                img->setObjectName(QStringLiteral("img%1").arg(n));
                img->setGeometry(1, 1, 34, 34);
            }
        }
        auto* right = new QWidget(&window);
        right->setObjectName("PanelRight");
        right->setGeometry(571, 0, 51, 51);
        label2 = new QLabel(right);
        label2->setObjectName("Label2");
        label2->setGeometry(1, 1, 49, 13);
        labelHide = new QLabel(right);
        labelHide->setObjectName("LabelHide");
        labelHide->setGeometry(43, 0, 6, 51);
        for (int i = 1; i <= 3; ++i) {
            auto* cut = new CutBox(&window);
            cut->setObjectName(QStringLiteral("CutTo%1").arg(i));
        }
        hintStrip.setWindowFlags(Qt::FramelessWindowHint);
        hintStrip.resize(622, 19);
    }

    QFrame* panel(int n) { return window.findChild<QFrame*>(QStringLiteral("But%1").arg(n)); }
    QWidget* img(int n) { return window.findChild<QWidget*>(QStringLiteral("img%1").arg(n)); }
    QWidget* table(int t) { return window.findChild<QWidget*>(QStringLiteral("Table%1").arg(t)); }
};

} // namespace teststrip
