#include "platform/DisplayCheck.h"

#include "platform/Autostart.h"
#include "platform/DesktopNotifier.h"

#include <QList>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <xcb/xcb.h>

namespace displaycheck {

namespace {

const char* const Need = "TabdeckV10 needs an X11 or XWayland display to show its strip";
// The answer of a notification service that is there comes within milliseconds.
constexpr int NoticeWaitMs = 3000;

// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DisplayCheck)
};

void (*beforeTellingHook)() = nullptr;

bool xcbChosen() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("xcb");
}

// A message as Qt gave it, kept until it can be passed on.
struct Held {
    QtMsgType type;
    int line;
    QByteArray file, function, category;
    QString text;
};

QtMessageHandler previous = nullptr;
std::mutex heldLock;
std::optional<QList<Held>> held;

void passOn(const Held& h) {
    auto text = [](const QByteArray& b) { return b.isNull() ? nullptr : b.constData(); };
    const QMessageLogContext context(text(h.file), h.line, text(h.function), text(h.category));
    previous(h.type, context, h.text);
}

void passOnHeld() {
    const std::lock_guard lock(heldLock);
    if (held)
        for (const Held& h : std::as_const(*held))
            passOn(h);
    held.reset();
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const Held message{type, context.line, context.file, context.function, context.category, text};
    if (type == QtFatalMsg) {
        if (const QString problem = x11Problem(); !problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
            std::fflush(stderr);
            if (beforeTellingHook)
                beforeTellingHook();
            tellDesktop();
            std::_Exit(1);
        }
        passOnHeld();
        passOn(message);
        return;
    }
    const std::lock_guard lock(heldLock);
    if (held)
        held->append(message);
    else
        passOn(message);
}

} // namespace

QString missingDisplay() {
    if (xcbChosen() && qgetenv("DISPLAY").isEmpty())
        return QString::fromLatin1(Need) + QStringLiteral(", and DISPLAY is not set.");
    return {};
}

void tellDesktop() {
    DesktopNotifier::notifyNow(
        QStringLiteral("TabdeckV10"), autostart::DesktopId, Text::tr("TabdeckV10 needs XWayland"),
        Text::tr("TabdeckV10 shows its strip through X11, which a Wayland desktop offers through "
                 "XWayland. Install the package xwayland; in sway, add the line \"xwayland "
                 "enable\" to its configuration. Then start TabdeckV10 again."),
        NoticeWaitMs);
}

FailureReport::FailureReport(void (*beforeTelling)()) {
    beforeTellingHook = beforeTelling;
    held.emplace();
    previous = qInstallMessageHandler(hold);
}

FailureReport::~FailureReport() {
    qInstallMessageHandler(previous);
    passOnHeld();
}

QString x11Problem() {
    if (!xcbChosen())
        return {};
    if (QString missing = missingDisplay(); !missing.isEmpty())
        return missing;
    const QByteArray display = qgetenv("DISPLAY");
    // Qt's own failure to connect says nothing of the display: ask the server.
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return QString::fromLatin1(Need) +
               QStringLiteral(", and the display \"%1\" cannot be opened.")
                   .arg(QString::fromLocal8Bit(display));
    return {};
}

} // namespace displaycheck
