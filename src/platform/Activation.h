#pragma once
#include <QByteArray>
#include <cstdint>

class QWindow;

// Bringing a window forward in the name of the start that asked for it.
// Window managers that prevent focus stealing grant activation to the user's
// latest action: the desktop's token of the later start carries it.
namespace activation {

// The X server time in a startup id ("..._TIME<digits>"), 0 when it has none.
uint32_t startupTime(const QByteArray& startupId);

// Raises and activates `window`. On X11 the request names the token's time
// and the token's launch feedback is ended; on Wayland the token goes to
// the compositor with the request.
void request(QWindow* window, const QByteArray& token);

} // namespace activation
