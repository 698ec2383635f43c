#include "platform/KeyGrab.h"

#include "platform/X11Connection.h"
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {
constexpr uint16_t Lock = XCB_MOD_MASK_LOCK; // Caps Lock
constexpr uint16_t NumLock = XCB_MOD_MASK_2; // where every common keymap puts it
const uint16_t Variants[] = {0, Lock, NumLock, Lock | NumLock};

using x11::connection;

xcb_window_t root(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
} // namespace

KeyGrab::KeyGrab(QObject* parent) : QObject(parent) {}

KeyGrab::~KeyGrab() {
    release();
    if (filtering_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

std::vector<uint8_t> KeyGrab::codesFor(uint32_t keysym) const {
    std::vector<uint8_t> codes;
    xcb_connection_t* c = connection();
    if (!c || keysym == 0)
        return codes;
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    if (count <= 0)
        return codes;
    const Reply<xcb_get_keyboard_mapping_reply_t> reply(
        xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, xcb_keycode_t(first), uint8_t(count)), nullptr),
        &std::free);
    if (!reply)
        return codes;
    const int per = reply->keysyms_per_keycode;
    const int length = xcb_get_keyboard_mapping_keysyms_length(reply.get());
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply.get());
    // The server says how many symbols each code has: read no further than
    // it sent.
    if (per <= 0 || length < 0)
        return codes;
    const int codesSent = std::min(count, length / per);
    for (int k = 0; k < codesSent; ++k)
        for (int s = 0; s < per; ++s)
            if (syms[k * per + s] == keysym) {
                codes.push_back(uint8_t(first + k));
                break;
            }
    return codes;
}

KeyGrab::Result KeyGrab::grab(uint32_t keysym, uint16_t modifiers) {
    xcb_connection_t* c = connection();
    if (!c)
        return Result::NoServer;
    modifiers &= Modifiers;
    const std::vector<uint8_t> codes = codesFor(keysym);
    if (codes.empty())
        return Result::NoKey;
    if (codes == codes_ && modifiers == modifiers_)
        return Result::Grabbed;
    std::vector<uint8_t> had;
    bool refused = false;
    for (uint8_t code : codes) {
        for (uint16_t variant : Variants) {
            const xcb_void_cookie_t cookie =
                xcb_grab_key_checked(c, 1, root(c), uint16_t(modifiers | variant), code,
                                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
                std::free(error); // BadAccess: another client holds it
                refused = true;
            }
        }
        had.push_back(code);
        if (refused)
            break;
    }
    if (refused) {
        ungrab(had, modifiers);
        // What was held before stays held; the ungrab above may have taken
        // its variants where both share a code.
        const std::vector<uint8_t> keep = codes_;
        for (uint8_t code : keep)
            for (uint16_t variant : Variants)
                xcb_grab_key(c, 1, root(c), uint16_t(modifiers_ | variant), code,
                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_flush(c);
        return Result::Taken;
    }
    // The old keys go, but not where they are the new ones.
    if (modifiers != modifiers_) {
        ungrab(codes_, modifiers_);
    } else {
        std::vector<uint8_t> gone;
        for (uint8_t code : codes_)
            if (std::find(codes.begin(), codes.end(), code) == codes.end())
                gone.push_back(code);
        ungrab(gone, modifiers_);
    }
    codes_ = codes;
    modifiers_ = modifiers;
    if (!filtering_) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        filtering_ = true;
    }
    xcb_flush(c);
    return Result::Grabbed;
}

void KeyGrab::release() {
    ungrab(codes_, modifiers_);
    codes_.clear();
    if (xcb_connection_t* c = connection())
        xcb_flush(c);
}

void KeyGrab::ungrab(const std::vector<uint8_t>& codes, uint16_t modifiers) {
    xcb_connection_t* c = connection();
    if (!c)
        return;
    for (uint8_t code : codes)
        for (uint16_t variant : Variants)
            xcb_ungrab_key(c, code, root(c), uint16_t(modifiers | variant));
}

bool KeyGrab::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (codes_.empty() || type != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (std::find(codes_.begin(), codes_.end(), key->detail) == codes_.end() ||
        (key->state & Modifiers) != modifiers_)
        return false;
    // Not consumed: Qt takes the press's time as the user's latest action,
    // which the activation that follows names; no window of ours gets it.
    emit pressed(key->time);
    return false;
}
