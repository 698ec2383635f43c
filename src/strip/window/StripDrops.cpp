#include "strip/window/StripDrops.h"

#include "platform/DropTarget.h"
#include "strip/Selection.h"
#include "strip/SlotOperations.h"
#include "ui/ActionGuard.h"

#include <QDropEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

StripDrops::StripDrops(QWidget* strip, const Selection& selection, SlotOperations& operations,
                       Prompts& prompts, QObject* parent)
    : QObject(parent), strip_(strip), selection_(selection), slots_(operations), prompts_(prompts) {
    strip_->installEventFilter(this);
}

bool StripDrops::eventFilter(QObject* watched, QEvent* event) {
    if (watched != strip_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
        // The first item is read once per drag: a source learns from the
        // answers to its moves whether the drop will be taken, and with what.
        draggedPath_ =
            droptarget::firstItem(static_cast<QDropEvent*>(event)->mimeData()).value_or(QString());
        [[fallthrough]];
    case QEvent::DragMove: {
        auto* de = static_cast<QDropEvent*>(event);
        const std::optional<Qt::DropAction> action = droptarget::actionFor(de->possibleActions());
        if (action && SlotOperations::takesTarget(selection_.button(), draggedPath_)) {
            de->setDropAction(*action);
            de->accept();
        } else {
            de->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* de = static_cast<QDropEvent*>(event);
        const QString path = droptarget::firstItem(de->mimeData()).value_or(QString());
        const int button = selection_.button();
        const std::optional<Qt::DropAction> action = droptarget::actionFor(de->possibleActions());
        if (!action || !SlotOperations::takesTarget(button, path)) {
            de->ignore(); // the source learns that nothing was taken
            return true;
        }
        // Never the proposed Move: a source that honours it would remove the user's file.
        de->setDropAction(*action);
        de->accept();
        // The drop is released at once; the boxes the assignment may show
        // then run after the drag source has been told, not inside its drop.
        QPointer<StripDrops> self(this);
        QTimer::singleShot(0, this, [self, button, path] {
            if (self)
                actionguard::run(self->prompts_, self->strip_,
                                 [&] { self->slots_.assign(button, path); });
        });
        return true;
    }
    default:
        return false;
    }
}
