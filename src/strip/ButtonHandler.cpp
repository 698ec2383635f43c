#include "strip/ButtonHandler.h"

#include "core/ButtonSlots.h"
#include "strip/Launch.h"
#include "strip/TForm1.h"
#include "ui/ActionGuard.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

ButtonHandler::ButtonHandler(QWidget* strip, Prompts& prompts, StripState& state,
                             Launcher& launcher, QObject* parent)
    : QObject(parent), strip_(strip), prompts_(prompts), state_(state), launcher_(launcher),
      panels_(buttonslots::ButtonCount + 1, nullptr) {}

void ButtonHandler::attach() {
    label2_ = strip_->findChild<QLabel*>(QStringLiteral("Label2"));
    // One pass over the strip's children: 750 name searches cost a visible
    // part of the start-up.
    QHash<QString, QWidget*> byName;
    for (QWidget* w : strip_->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !byName.contains(w->objectName()))
            byName.insert(w->objectName(), w);
    for (int n = 1; n <= buttonslots::ButtonCount; ++n) {
        panels_[n] = byName.value(QStringLiteral("But%1").arg(n));
        if (QWidget* img = byName.value(QStringLiteral("img%1").arg(n))) {
            // Plain moves (no button held) must arrive: they select the button.
            img->setMouseTracking(true);
            img->installEventFilter(this);
            pictures_.insert(img, n);
        }
    }
    for (int t = 1; t <= buttonslots::TableCount; ++t) {
        if (QWidget* table = byName.value(QStringLiteral("Table%1").arg(t))) {
            table->setMouseTracking(true);
            table->installEventFilter(this);
            tables_.insert(table, t);
        }
    }
}

void ButtonHandler::imgMouseMove(int n) {
    state_.selectedButton = n;
    if (label2_)
        label2_->setText(QString::number(n));
}

void ButtonHandler::TableMouseMove(int) {
    if (label2_)
        label2_->setText(QString());
}

void ButtonHandler::imgMouseDown(int n, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    state_.selectedButton = n;
    setBevel(n, true);
    launcher_.LaunchSelectedButton();
}

void ButtonHandler::imgMouseUp(int n) {
    setBevel(n, false);
}

bool ButtonHandler::bevelLowered(int n) const {
    if (n < 1 || n > buttonslots::ButtonCount)
        return false;
    const auto* frame = qobject_cast<const QFrame*>(panels_[n]);
    return frame && frame->frameShadow() == QFrame::Sunken;
}

void ButtonHandler::setBevel(int n, bool lowered) {
    if (n < 1 || n > buttonslots::ButtonCount)
        return;
    if (auto* frame = qobject_cast<QFrame*>(panels_[n]))
        frame->setFrameShadow(lowered ? QFrame::Sunken : QFrame::Raised);
}

bool ButtonHandler::eventFilter(QObject* watched, QEvent* event) {
    if (const auto it = pictures_.constFind(watched); it != pictures_.constEnd()) {
        const int n = it.value();
        switch (event->type()) {
        case QEvent::MouseMove:
            actionguard::run(prompts_, strip_, [&] { imgMouseMove(n); });
            // Handled here: the table below must not take it as a move over its free area.
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
            actionguard::run(prompts_, strip_, [&] { imgMouseDown(n, button); });
            return true;
        }
        case QEvent::MouseButtonRelease:
            actionguard::run(prompts_, strip_, [&] { imgMouseUp(n); });
            return true;
        case QEvent::ContextMenu:
            if (menu_) {
                auto* ce = static_cast<QContextMenuEvent*>(event);
                menu_->popup(ce->globalPos());
            }
            return true;
        default:
            return false;
        }
    }
    if (const auto it = tables_.constFind(watched); it != tables_.constEnd()) {
        if (event->type() == QEvent::MouseMove) {
            const int t = it.value();
            actionguard::run(prompts_, strip_, [&] { TableMouseMove(t); });
        }
        return false;
    }
    return QObject::eventFilter(watched, event);
}
