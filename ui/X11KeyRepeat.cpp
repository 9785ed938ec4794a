#include "ui/X11KeyRepeat.h"

#include <QGuiApplication>

#include <cstdlib>

// The XKB header names a structure field "explicit", which C++ reserves. Clang warns about
// any macro named after a keyword; this one is meant.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

bool requestWholeKeyRepeats() {
    // Other platforms, the offscreen one among them, may offer the X11 interface without a
    // connection of their own to the server.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || x11 == nullptr ||
        x11->connection() == nullptr) {
        return false;
    }
    xcb_connection_t* connection = x11->connection();
    // Qt has already enabled XKB on its connection.
    const auto cookie = xcb_xkb_per_client_flags(
        connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
        XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0);
    xcb_xkb_per_client_flags_reply_t* reply =
        xcb_xkb_per_client_flags_reply(connection, cookie, nullptr);
    if (reply == nullptr) {
        return false;
    }
    const bool granted = (reply->value & XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT) != 0;
    std::free(reply);
    return granted;
}
