#include "ui/ToolWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace toolwindow {

void setUp(QWidget* window, const QString& objectName, const QString& caption, QSize client,
           Border border) {
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Window;
    switch (border) {
    case Border::Sizeable:
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint;
        window->resize(client);
        break;
    case Border::Fixed:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
        window->setFixedSize(client);
        break;
    case Border::FixedNoClose:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint;
        window->resize(client);
        break;
    case Border::Dialog:
        flags =
            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        window->setFixedSize(client);
        break;
    case Border::None:
        flags |= Qt::FramelessWindowHint;
        window->setFixedSize(client);
        break;
    }
    window->setWindowFlags(flags);
    centre(window);
}

QStatusBar* addStatusBar(QWidget* window, bool sizeGrip) {
    auto* layout = qobject_cast<QVBoxLayout*>(window->layout());
    if (!layout) {
        layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addStretch(1);
    }
    auto* bar = new QStatusBar(window);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(sizeGrip);
    QFont f(QStringLiteral("Tahoma"));
    f.setBold(true);
    bar->setFont(f);
    layout->addWidget(bar);
    return bar;
}

void centre(QWidget* window) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        window->move(g.left() + (g.width() - window->width()) / 2,
                     g.top() + (g.height() - window->height()) / 2);
    }
}

void present(QWidget* window) {
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show(); // modeless: the strip goes on at once
    window->raise();
    window->activateWindow();
}

void keepAbove(QWidget& dialog, QWidget* asker) {
    if (asker)
        asker = asker->window();
    if (asker == &dialog)
        asker = nullptr;
    const bool onTop = asker && asker->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    // A change of flags re-creates the native window, so it comes first.
    if (dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    dialog.winId();
    QWindow* above = asker ? asker->windowHandle() : nullptr;
    if (QWindow* handle = dialog.windowHandle())
        handle->setTransientParent(above);
}

} // namespace toolwindow
