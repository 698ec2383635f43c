#include "ui/ToolWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWidget>

namespace toolwindow {

namespace {

thread_local int deferring = 0;

// A window's build step, kept as the window's child until it runs.
class PendingBuild : public QObject {
    Q_OBJECT
public:
    PendingBuild(QWidget* window, std::function<void()> build)
        : QObject(window), build(std::move(build)) {}
    std::function<void()> build;
};

PendingBuild* pendingOf(const QWidget* window) {
    return window->findChild<PendingBuild*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

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
    ensureBuilt(window);
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show(); // modeless: the strip goes on at once
    window->raise();
    window->activateWindow();
}

void buildOrDefer(QWidget* window, std::function<void()> build) {
    if (deferring > 0)
        new PendingBuild(window, std::move(build));
    else
        build();
}

bool ensureBuilt(QWidget* window) {
    PendingBuild* pending = window ? pendingOf(window) : nullptr;
    if (!pending)
        return false;
    // Taken out first: a build that asks again finds nothing to run.
    const std::function<void()> build = std::move(pending->build);
    delete pending;
    build();
    return true;
}

bool isBuilt(const QWidget* window) {
    return !pendingOf(window);
}

DeferredBuilds::DeferredBuilds() {
    ++deferring;
}

DeferredBuilds::~DeferredBuilds() {
    --deferring;
}

} // namespace toolwindow

#include "ToolWindow.moc"
