#include "platform/Activation.h"

#include "platform/X11Connection.h"
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace activation {
namespace {

using x11::atom;
using x11::connection;

// The startup-notification "remove" message: the launch feedback (a busy
// pointer, a spinning entry) of the start that handed over ends here, as
// that start never maps a window of its own.
void endFeedback(xcb_connection_t* c, xcb_window_t root, xcb_window_t from,
                 const QByteArray& token) {
    const QByteArray text = "remove: ID=" + token + '\0';
    const xcb_atom_t begin = atom(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(c, "_NET_STARTUP_INFO");
    for (qsizetype at = 0; at < text.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = from;
        event.type = at == 0 ? begin : more;
        std::memcpy(event.data.data8, text.constData() + at,
                    size_t(std::min<qsizetype>(20, text.size() - at)));
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

} // namespace

uint32_t startupTime(const QByteArray& startupId) {
    const qsizetype at = startupId.lastIndexOf("_TIME");
    if (at < 0)
        return 0;
    const QByteArray digits = startupId.mid(at + 5);
    if (digits.isEmpty() || digits.size() > 10 ||
        !std::all_of(digits.begin(), digits.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return 0;
    const qulonglong time = digits.toULongLong();
    return time <= 0xffffffffULL ? uint32_t(time) : 0;
}

void request(QWindow* window, const QByteArray& token) {
    if (!window)
        return;
    xcb_connection_t* c = connection();
    if (!c) {
        // Qt's Wayland platform hands this token to the compositor with the
        // next activation it asks for.
        if (!token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token);
        window->requestActivate();
        return;
    }
    window->requestActivate();
    if (token.isEmpty())
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // The request as the later start would make it: its token on the
    // window, and the time of the user's action that started it.
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_STARTUP_ID"),
                        atom(c, "UTF8_STRING"), 8, uint32_t(token.size()), token.constData());
    if (const uint32_t time = startupTime(token)) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = atom(c, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 1; // an application's request
        event.data.data32[1] = time;
        xcb_send_event(c, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
    }
    endFeedback(c, root, id, token);
    xcb_flush(c);
}

} // namespace activation
