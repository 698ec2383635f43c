#include "platform/WindowStrut.h"

#include "platform/X11Connection.h"
#include <QGuiApplication>
#include <QWindow>
#include <array>
#include <cstdint>
#include <xcb/xcb.h>

namespace windowstrut {
namespace {

using x11::atom;
using x11::connection;

} // namespace

void reserveLeft(QWindow* window, int width, int top, int bottom) {
    xcb_connection_t* c = connection();
    if (!c || !window || width <= 0)
        return;
    const qreal ratio = window->devicePixelRatio();
    auto device = [ratio](int v) { return uint32_t(qMax(0, qRound(v * ratio))); };
    const auto id = xcb_window_t(window->winId());
    // left, right, top, bottom, then left_start_y and left_end_y; the other
    // edges' ranges stay 0.
    std::array<uint32_t, 12> partial{};
    partial[0] = device(width);
    partial[4] = device(top);
    partial[5] = device(bottom + 1) - 1;
    const xcb_atom_t strutPartial = atom(c, "_NET_WM_STRUT_PARTIAL");
    const xcb_atom_t strut = atom(c, "_NET_WM_STRUT");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, strutPartial, XCB_ATOM_CARDINAL, 32,
                        uint32_t(partial.size()), partial.data());
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, strut, XCB_ATOM_CARDINAL, 32, 4,
                        partial.data());
    xcb_flush(c);
}

void clear(QWindow* window) {
    xcb_connection_t* c = connection();
    if (!c || !window)
        return;
    const auto id = xcb_window_t(window->winId());
    xcb_delete_property(c, id, atom(c, "_NET_WM_STRUT_PARTIAL"));
    xcb_delete_property(c, id, atom(c, "_NET_WM_STRUT"));
    xcb_flush(c);
}

} // namespace windowstrut
