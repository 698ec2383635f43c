#include "strip/window/StripTables.h"

#include "core/ColorText.h"
#include "strip/window/ButtonImage.h"
#include "ui/SystemColors.h"

#include <QFrame>
#include <QLabel>

namespace striplayout {

int slotX(int slot) {
    static constexpr std::array<int, 12> xs = {8,   50,  93,  135, 178, 221,
                                               264, 307, 350, 392, 434, 477};
    return xs[slot - 1];
}

QFrame* panel(QWidget* parent, const QString& name, QRect geometry) {
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setGeometry(geometry);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(1);
    return p;
}

QLabel* label(QWidget* parent, const QString& name, QRect geometry) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return l;
}

} // namespace striplayout

using namespace striplayout;

StripTables::StripTables(QWidget* strip, QWidget* top, std::function<void(int t)> made)
    : strip_(strip), top_(top), made_(std::move(made)) {}

QFrame* StripTables::table(int t) {
    if (QFrame* made = tables_[t - 1])
        return made;
    return make(t);
}

QFrame* StripTables::buttonPanel(int n) {
    table(buttonslots::tableOfButton(n));
    return buttons_[n - 1];
}

ButtonImage* StripTables::buttonPicture(int n) {
    table(buttonslots::tableOfButton(n));
    return images_[n - 1];
}

QFrame* StripTables::make(int t) {
    // Stacked as if made in number order: under the end panel and every
    // table with a higher number.
    QFrame* table = panel(strip_, QStringLiteral("Table%1").arg(t), {TableX, 0, 520, 51});
    QWidget* above = top_;
    for (int m = t + 1; m <= buttonslots::TableCount; ++m)
        if (tables_[m - 1]) {
            above = tables_[m - 1];
            break;
        }
    table->stackUnder(above);
    tables_[t - 1] = table;
    for (int k = 1; k <= buttonslots::ButtonsPerTable; ++k) {
        const int n = buttonslots::ButtonsPerTable * (t - 1) + k;
        QFrame* b = panel(table, QStringLiteral("But%1").arg(n),
                          {slotX(k), ButtonY, ButtonPanelSize, ButtonPanelSize});
        systemcolors::paintBackground(b, colortext::BtnFace);
        buttons_[n - 1] = b;
        auto* img = new ButtonImage(b);
        img->setObjectName(QStringLiteral("img%1").arg(n));
        img->setGeometry(1, 1, PictureSize, PictureSize);
        img->setCursor(Qt::PointingHandCursor);
        images_[n - 1] = img;
    }
    if (made_)
        made_(t);
    return table;
}
