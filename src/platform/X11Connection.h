#pragma once
#include <xcb/xcb.h>

// The application's own X connection, for the few things Qt does not ask
// the X server for itself.
namespace x11 {

// None when the program does not run on an X11 platform.
xcb_connection_t* connection();
// The atom of that name; XCB_ATOM_NONE when the server gives no answer.
xcb_atom_t atom(xcb_connection_t* c, const char* name);

} // namespace x11
