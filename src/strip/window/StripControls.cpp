#include "strip/window/StripControls.h"

#include "core/ButtonSlots.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/CutBox.h"
#include "strip/window/WindowStyle.h"
#include "ui/HintRouter.h"
#include "ui/SystemColors.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>

namespace {
bool isButton(int n) {
    return n >= 1 && n <= buttonslots::ButtonCount;
}
bool isTable(int t) {
    return t >= 1 && t <= buttonslots::TableCount;
}
} // namespace

QWindow* StripControls::stripHandle() {
    return stripWindow()->windowHandle();
}

void StripControls::setButtonPicture(int n, const Picture& picture) {
    if (!isButton(n))
        return;
    // A new face is for a new target: whether that one exists is asked anew.
    buttonPicture(n)->setDimmed(false);
    buttonPicture(n)->setPicture(picture);
}

namespace {
// Screen readers keep what they read; they are told when it changes.
void tellReaders(QWidget* control, QAccessible::Event what) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, what);
    QAccessible::updateAccessibility(&event);
}
} // namespace

void StripControls::setButtonHint(int n, const QString& hint) {
    if (!isButton(n))
        return;
    hints::set(buttonPicture(n), hint);
    // The hint is part of the button's name.
    tellReaders(buttonPicture(n), QAccessible::NameChanged);
}

void StripControls::setButtonDimmed(int n, bool dimmed) {
    if (isButton(n))
        buttonPicture(n)->setDimmed(dimmed);
}

QString StripControls::buttonHint(int n) const {
    return isButton(n) ? hints::of(buttonPicture(n)) : QString();
}

void StripControls::setTableCaption(const QString& text) {
    label1()->setText(text);
}

void StripControls::setButtonNumberText(const QString& text) {
    label2()->setText(text);
}

void StripControls::setKeyboardMark(int n) {
    if (isButton(keyboardMark_))
        buttonPicture(keyboardMark_)->setFocusMark(false);
    keyboardMark_ = isButton(n) ? n : 0;
    if (keyboardMark_) {
        buttonPicture(keyboardMark_)->setFocusMark(true);
        tellReaders(buttonPicture(keyboardMark_), QAccessible::Focus);
    }
}

void StripControls::setColor(StripSettings::ColorTarget target, uint32_t value) {
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

void StripControls::setStayOnTop(bool on) {
    windowstyle::apply(stripWindow(), on);
}

void StripControls::showOnlyTable(int t) {
    if (!isTable(t))
        return;
    QFrame* shown = table(t);
    shown->setVisible(true);
    shown->raise();
    for (int m = 1; m <= buttonslots::TableCount; ++m) {
        if (m == t)
            continue;
        table(m)->setVisible(false);
        table(m)->lower();
    }
}

void StripControls::setTableTop(int t, int top) {
    if (isTable(t))
        table(t)->move(table(t)->x(), top);
}

QPoint StripControls::stripPos() const {
    return window()->pos();
}

void StripControls::moveStrip(QPoint topLeft) {
    stripWindow()->move(topLeft);
}

QSize StripControls::stripSize() const {
    return window()->size();
}

QSize StripControls::stripFrameSize() const {
    return window()->frameGeometry().size();
}

void StripControls::setHideBarRed(bool red) {
    QWidget* bar = labelHide();
    if (red) {
        QPalette pal = bar->palette();
        pal.setColor(bar->backgroundRole(), QColor(Qt::red));
        bar->setPalette(pal);
    }
    // Without its own background the bar shows the panel below it.
    bar->setAutoFillBackground(red);
    bar->update();
}

bool StripControls::hideBarRed() const {
    const QWidget* bar = labelHide();
    return bar->autoFillBackground() &&
           bar->palette().color(bar->backgroundRole()) == QColor(Qt::red);
}

void StripControls::setHideBarHint(const QString& hint) {
    labelHide()->setToolTip(hint);
}

QString StripControls::cutText(int i) const {
    return i >= 1 && i <= 3 ? cutTo(i)->text() : QString();
}

void StripControls::setCutText(int i, const QString& text) {
    if (i >= 1 && i <= 3)
        cutTo(i)->setText(text);
}
