#include "strip/window/ButtonHandler.h"

#include "core/ButtonSlots.h"
#include "strip/ButtonLauncher.h"
#include "strip/Selection.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/StripControls.h"
#include "ui/ActionGuard.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

ButtonHandler::ButtonHandler(StripControls& view, Selection& selection, Prompts& prompts,
                             ButtonLauncher& launcher, QObject* parent)
    : QObject(parent), view_(view), selection_(selection), prompts_(prompts), launcher_(launcher) {}

void ButtonHandler::attach() {
    for (int t = 1; t <= buttonslots::TableCount; ++t)
        if (view_.tableMade(t))
            attachTable(t);
}

void ButtonHandler::attachTable(int t) {
    const int first = buttonslots::firstButtonOfTable(t);
    for (int n = first; n < first + buttonslots::ButtonsPerTable; ++n) {
        QWidget* img = view_.buttonPicture(n);
        // Plain moves (no button held) must arrive: they select the button.
        img->setMouseTracking(true);
        img->installEventFilter(this);
        pictures_.insert(img, n);
    }
    QWidget* table = view_.table(t);
    table->setMouseTracking(true);
    table->installEventFilter(this);
    tables_.insert(table, t);
}

void ButtonHandler::imgMouseMove(int n) {
    selection_.select(n);
    view_.setButtonNumberText(QString::number(n));
    // The pointer takes the selection over from the keyboard.
    view_.setKeyboardMark(0);
}

void ButtonHandler::TableMouseMove(int) {
    view_.setButtonNumberText(QString());
}

void ButtonHandler::imgMouseDown(int n, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    setBevel(n, true);
    // The launch waits for the release: the press may become a drag.
    pressed_ = n;
}

void ButtonHandler::imgMouseUp(int n, Qt::MouseButton button) {
    setBevel(n, false);
    if (button != Qt::LeftButton || pressed_ != n)
        return;
    pressed_ = 0;
    launcher_.launch(n);
}

void ButtonHandler::pressBecameDrag() {
    setBevel(pressed_, false);
    pressed_ = 0;
}

bool ButtonHandler::bevelLowered(int n) const {
    if (n < 1 || n > buttonslots::ButtonCount)
        return false;
    return view_.buttonPanel(n)->frameShadow() == QFrame::Sunken;
}

void ButtonHandler::setBevel(int n, bool lowered) {
    if (n < 1 || n > buttonslots::ButtonCount)
        return;
    view_.buttonPanel(n)->setFrameShadow(lowered ? QFrame::Sunken : QFrame::Raised);
}

bool ButtonHandler::eventFilter(QObject* watched, QEvent* event) {
    if (const auto it = pictures_.constFind(watched); it != pictures_.constEnd()) {
        const int n = it.value();
        switch (event->type()) {
        case QEvent::MouseMove:
            actionguard::run(prompts_, view_.stripWindow(), [&] { imgMouseMove(n); });
            // Handled here: the table below must not take it as a move over its free area.
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
            actionguard::run(prompts_, view_.stripWindow(), [&] { imgMouseDown(n, button); });
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
            actionguard::run(prompts_, view_.stripWindow(), [&] { imgMouseUp(n, button); });
            return true;
        }
        case QEvent::ContextMenu:
            if (QMenu* menu = view_.buttonMenu())
                menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            return false;
        }
    }
    if (const auto it = tables_.constFind(watched); it != tables_.constEnd()) {
        if (event->type() == QEvent::MouseMove) {
            const int t = it.value();
            actionguard::run(prompts_, view_.stripWindow(), [&] { TableMouseMove(t); });
        }
        return false;
    }
    return QObject::eventFilter(watched, event);
}
