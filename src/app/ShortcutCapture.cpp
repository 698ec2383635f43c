#include "app/ShortcutCapture.h"

#include "platform/KeyGrab.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ShortcutCapture::ShortcutCapture(const QString& current, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ShortcutCapture"));
    setWindowTitle(tr("Global Shortcut"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(tr("Press the keys that bring the strip forward from anywhere."));
    auto* now = new QLabel(tr("Now: %1").arg(current.isEmpty() ? tr("none") : current));
    now->setObjectName(QStringLiteral("CurrentShortcut"));
    // Laid out from the start, so the box keeps its size; keys turned down
    // make it bold.
    advice_ = new QLabel(tr("Hold Ctrl, Alt or Super with the key, so typing in other "
                            "programs is left alone."));
    advice_->setObjectName(QStringLiteral("ShortcutAdvice"));
    advice_->setWordWrap(true);
    layout->addWidget(prompt);
    layout->addWidget(now);
    layout->addWidget(advice_);
    auto* buttons = new QHBoxLayout;
    auto* none = new QPushButton(tr("No Shortcut"));
    none->setObjectName(QStringLiteral("NoShortcut"));
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("CancelShortcut"));
    // Every key is the capture's: the buttons are for the pointer only.
    for (QPushButton* b : {none, cancel}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(none, &QPushButton::clicked, this, [this] {
        chosen_ = {};
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFocusPolicy(Qt::StrongFocus);
}

bool ShortcutCapture::acceptable(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_unknown:
        return false; // still being held down on the way to a key
    default:
        break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return true;
    return modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

void ShortcutCapture::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
        reject();
        return;
    }
    if (!acceptable(event->key(), mods)) {
        if (!event->text().isEmpty()) {
            QFont bold = advice_->font();
            bold.setBold(true);
            advice_->setFont(bold);
        }
        return;
    }
    // On X11 the event carries the key's symbol and the server's modifier
    // bits, which is what a grab names.
    chosen_.keysym = event->nativeVirtualKey();
    chosen_.modifiers = uint16_t(event->nativeModifiers() & KeyGrab::Modifiers);
    chosen_.text = QKeySequence(event->keyCombination()).toString(QKeySequence::NativeText);
    accept();
}
