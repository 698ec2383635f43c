#include "strip/StripView.h"

#include "core/ButtonSlots.h"
#include "ui/SystemColors.h"

#include <QFrame>
#include <QWidget>

void StripView::paint(StripSettings::ColorTarget target, uint32_t value) {
    switch (target) {
    case StripSettings::ColorTarget::Buttons:
        for (int n = 1; n <= buttonslots::ButtonCount; ++n)
            systemcolors::paintBackground(buttonPanel(n), value);
        break;
    case StripSettings::ColorTarget::Tables:
        for (int t = 1; t <= buttonslots::TableCount; ++t)
            systemcolors::paintBackground(table(t), value);
        break;
    case StripSettings::ColorTarget::Program:
        // Tables without a colour of their own show the strip through.
        systemcolors::paintBackground(stripWindow(), value);
        systemcolors::paintBackground(panelLeft(), value);
        systemcolors::paintBackground(panelRight(), value);
        break;
    }
}
