#pragma once
#include <QByteArray>
#include <QFuture>
#include <QMimeData>
#include <QString>
#include <functional>
#include <optional>

// Hands large clipboard data to other X clients without the UI thread.
// Qt's own answer writes the data to the X server from the UI thread in
// pieces of up to 16 MB, each a blocking write: 0.2 to 0.6 s for a photo.
// Requests this serves are answered on a thread of their own, over a
// connection of their own, in pieces the other client takes at its pace.
namespace selectionserver {

// Gives the bytes of `type` for data this program put on the clipboard,
// made or being made away from the UI thread; nothing leaves the request
// to Qt. Called on the UI thread; the future must not refer to `data`,
// which may be gone before it is read.
using Offer =
    std::function<std::optional<QFuture<QByteArray>>(const QMimeData& data, const QString& type)>;

// Serves requests of other X clients for the clipboard and the primary
// selection through `offer` from now on (the last offer given wins). Does
// nothing unless the program runs on X11 with DISPLAY naming the server.
void serveInBackground(Offer offer);

} // namespace selectionserver
