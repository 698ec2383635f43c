#include "platform/WindowRole.h"

#include "platform/X11Connection.h"
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace windowrole {
namespace {

using x11::connection;

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

using x11::atom;

bool mapped(xcb_connection_t* c, xcb_window_t id) {
    const Reply<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr));
    return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

} // namespace

void skipTaskbar(QWindow* window) {
    xcb_connection_t* c = connection();
    if (!c || !window)
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> skip{atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                                         atom(c, "_NET_WM_STATE_SKIP_PAGER")};
    if (mapped(c, id)) {
        // EWMH: a mapped window's state is changed by the window manager on request.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = state;
        event.data.data32[0] = 1; // add
        event.data.data32[1] = skip[0];
        event.data.data32[2] = skip[1];
        event.data.data32[3] = 1; // from a normal application
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        xcb_send_event(c, 0, screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(c);
        return;
    }
    // Kept beside the states Qt sets (above, for stay on top), which it merges
    // with what the property already holds when it maps the window.
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, state, XCB_ATOM_ATOM, 0, 64), nullptr));
    std::vector<xcb_atom_t> atoms;
    if (reply && reply->format == 32) {
        const int n = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
        const auto* held = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        atoms.assign(held, held + n);
    }
    for (xcb_atom_t a : skip)
        if (std::find(atoms.begin(), atoms.end(), a) == atoms.end())
            atoms.push_back(a);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        uint32_t(atoms.size()), atoms.data());
    xcb_flush(c);
}

std::optional<QRect> placed(QWindow* window) {
    xcb_connection_t* c = connection();
    if (!c || !window || !window->handle())
        return std::nullopt;
    const auto id = xcb_window_t(window->winId());
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    if (!geometry)
        return std::nullopt;
    const Reply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, id, geometry->root, 0, 0), nullptr));
    if (!origin)
        return std::nullopt;
    const qreal ratio = window->devicePixelRatio();
    auto logical = [ratio](int v) { return qRound(v / ratio); };
    return QRect(logical(origin->dst_x), logical(origin->dst_y), logical(geometry->width),
                 logical(geometry->height));
}

} // namespace windowrole
