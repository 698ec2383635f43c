#include "platform/SelectionServer.h"

#include "core/Job.h"
#include "platform/X11Connection.h"

#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <memory>
#include <mutex>
#include <poll.h>
#include <xcb/xcb.h>

namespace selectionserver {
namespace {

// A piece of an incremental transfer: small enough for the server to take
// at once, large enough that a photo needs few round trips.
constexpr uint32_t kPieceBytes = 1u << 20;
// How long the other client may take to ask for the next piece.
constexpr int kStepTimeoutMs = 5000;

using Reply = std::unique_ptr<void, decltype(&free)>;

struct Request {
    xcb_window_t requestor;
    xcb_atom_t selection;
    xcb_atom_t target;
    xcb_atom_t property;
    xcb_timestamp_t time;
};

// Tells the requestor where its data is, or with XCB_NONE that there is none.
void notify(xcb_connection_t* c, const Request& r, xcb_atom_t property) {
    xcb_selection_notify_event_t event{};
    event.response_type = XCB_SELECTION_NOTIFY;
    event.time = r.time;
    event.requestor = r.requestor;
    event.selection = r.selection;
    event.target = r.target;
    event.property = property;
    std::array<char, 32> raw{};
    std::memcpy(raw.data(), &event, sizeof event);
    xcb_send_event(c, 0, r.requestor, XCB_EVENT_MASK_NO_EVENT, raw.data());
    xcb_flush(c);
}

// Waits for the requestor to delete the property, the sign that it took
// the last piece. False on a timeout, an X error or a lost connection.
bool waitForDeletion(xcb_connection_t* c, const Request& r) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        Reply event(xcb_poll_for_event(c), &free);
        if (!event) {
            const qint64 left = kStepTimeoutMs - waited.elapsed();
            if (xcb_connection_has_error(c) || left <= 0)
                return false;
            pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&fd, 1, int(left));
            continue;
        }
        const auto* generic = static_cast<xcb_generic_event_t*>(event.get());
        const uint8_t type = generic->response_type & 0x7F;
        if (type == 0)
            return false; // the requestor's window is gone
        if (type != XCB_PROPERTY_NOTIFY)
            continue;
        const auto* change = static_cast<xcb_property_notify_event_t*>(event.get());
        if (change->window == r.requestor && change->atom == r.property &&
            change->state == XCB_PROPERTY_DELETE)
            return true;
    }
}

// The whole answer over connection `c`: at once when the data fits in one
// piece, else incrementally (the INCR protocol of the X selection rules).
void send(xcb_connection_t* c, const Request& r, const QByteArray& data) {
    const auto size = uint32_t(data.size());
    // A server without big requests takes at most 256 KB in one request.
    const uint32_t most = xcb_get_maximum_request_length(c) * 4u;
    const uint32_t pieceBytes = std::min(kPieceBytes, most > 64 ? most - 64 : 64u);
    if (size <= pieceBytes) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, r.requestor, r.property, r.target, 8, size,
                            data.constData());
        notify(c, r, r.property);
        return;
    }
    // The requestor's property changes are watched before it can see them.
    const uint32_t watch = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, r.requestor, XCB_CW_EVENT_MASK, &watch);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, r.requestor, r.property, x11::atom(c, "INCR"), 32,
                        1, &size);
    notify(c, r, r.property);
    uint32_t offset = 0;
    for (;;) {
        if (!waitForDeletion(c, r))
            break;
        const uint32_t piece = std::min(pieceBytes, size - offset);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, r.requestor, r.property, r.target, 8, piece,
                            data.constData() + offset);
        xcb_flush(c);
        offset += piece;
        if (piece == 0)
            break; // the empty piece ends the transfer
    }
    const uint32_t none = XCB_EVENT_MASK_NO_EVENT;
    xcb_change_window_attributes(c, r.requestor, XCB_CW_EVENT_MASK, &none);
    xcb_flush(c);
}

// The program's connection, for the one answer a worker may give over it;
// cleared under the lock when the filter goes, so no worker uses it later.
struct ProgramConnection {
    std::mutex mutex;
    xcb_connection_t* c = nullptr;
};

// Runs on a worker: waits for the bytes, then answers over a connection of
// its own. Not a continuation of the bytes' future: that future is shared
// by every request for its type, and a future runs only one continuation
// (a second one cancels the first); a watcher would route the answer
// through the UI thread this server keeps out of the way. A failure is
// answered with "no data", over the program's connection when no own one
// could be made (libxcb is thread-safe; a small event does not block it).
void answer(const std::shared_ptr<ProgramConnection>& program, Request r,
            QFuture<QByteArray> bytes) {
    QByteArray data;
    try {
        bytes.waitForFinished();
        if (!bytes.isCanceled() && bytes.resultCount() > 0)
            data = bytes.result();
    } catch (...) {
        data.clear(); // a failed encoding is answered with "no data"
    }
    // The size of an incremental transfer is one 32-bit number.
    if (data.size() > qsizetype(INT32_MAX))
        data.clear();
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const bool connected = xcb_connection_has_error(c) == 0;
    if (connected && !data.isEmpty()) {
        send(c, r, data);
    } else if (connected) {
        notify(c, r, XCB_NONE);
    } else {
        const std::lock_guard lock(program->mutex);
        if (program->c)
            notify(program->c, r, XCB_NONE);
    }
    // The server has carried out every request before the connection goes.
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(c);
}

// Lives as long as the application and its X connection.
class RequestFilter : public QObject, public QAbstractNativeEventFilter {
public:
    explicit RequestFilter(xcb_connection_t* c)
        : QObject(QCoreApplication::instance()), c_(c), clipboard_(x11::atom(c, "CLIPBOARD")),
          program_(std::make_shared<ProgramConnection>()) {
        program_->c = c;
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    // Answers under way keep their own connections; only a "no data" being
    // told over the program's is waited for.
    ~RequestFilter() override {
        const std::lock_guard lock(program_->mutex);
        program_->c = nullptr;
    }

    Offer offer;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* generic = static_cast<xcb_generic_event_t*>(message);
        if ((generic->response_type & 0x7F) != XCB_SELECTION_REQUEST)
            return false;
        const auto* req = static_cast<xcb_selection_request_event_t*>(message);
        QClipboard::Mode mode;
        if (req->selection == clipboard_)
            mode = QClipboard::Clipboard;
        else if (req->selection == XCB_ATOM_PRIMARY)
            mode = QClipboard::Selection;
        else
            return false;
        const QString type = atomName(req->target);
        // Targets such as TARGETS, MULTIPLE and STRING are Qt's to answer.
        if (!type.contains(QLatin1Char('/')))
            return false;
        const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
        if (!data || !offer)
            return false;
        std::optional<QFuture<QByteArray>> bytes = offer(*data, type);
        if (!bytes)
            return false;
        const Request r{req->requestor, req->selection, req->target,
                        req->property == XCB_NONE ? req->target : req->property, req->time};
        // A requestor that stops reading holds its answer up to its time
        // limit per step: the pool that grows.
        Job::future([program = program_, r, future = *bytes] { answer(program, r, future); },
                    Job::Pool::MayHang);
        return true;
    }

private:
    QString atomName(xcb_atom_t a) {
        auto known = names_.constFind(a);
        if (known != names_.constEnd())
            return *known;
        Reply reply(xcb_get_atom_name_reply(c_, xcb_get_atom_name(c_, a), nullptr), &free);
        QString name;
        if (reply) {
            auto* r = static_cast<xcb_get_atom_name_reply_t*>(reply.get());
            name = QString::fromLatin1(xcb_get_atom_name_name(r), xcb_get_atom_name_name_length(r));
        }
        names_.insert(a, name);
        return name;
    }

    xcb_connection_t* c_;
    xcb_atom_t clipboard_;
    std::shared_ptr<ProgramConnection> program_;
    QHash<xcb_atom_t, QString> names_;
};

} // namespace

void serveInBackground(Offer offer) {
    static QPointer<RequestFilter> filter;
    if (!filter) {
        xcb_connection_t* c = x11::connection();
        // The answering connections open the server DISPLAY names.
        if (!c || qEnvironmentVariableIsEmpty("DISPLAY"))
            return;
        filter = new RequestFilter(c);
    }
    filter->offer = std::move(offer);
}

} // namespace selectionserver
