#include "platform/DisplayCheck.h"

#include <xcb/xcb.h>

namespace displaycheck {

QString x11Problem() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return {};
    const QByteArray display = qgetenv("DISPLAY");
    const QString need =
        QStringLiteral("TabdeckV10 needs an X11 or XWayland display to show its strip");
    if (display.isEmpty())
        return need + QStringLiteral(", and DISPLAY is not set.");
    // Qt would abort with its generic plugin message; ask the server first.
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return need + QStringLiteral(", and the display \"%1\" cannot be opened.")
                          .arg(QString::fromLocal8Bit(display));
    return {};
}

} // namespace displaycheck
