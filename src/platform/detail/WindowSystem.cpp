#include "platform/detail/WindowSystem.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace platform::detail {

namespace {

// An X server composites when a compositing manager owns the selection _NET_WM_CM_S<n> of
// the screen.
bool x11Composites() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const std::string name = "_NET_WM_CM_S0";
    const xcb_intern_atom_cookie_t atomCookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    if (!atom)
        return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                      nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

} // namespace

bool windowSystemComposites() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return x11Composites();
    // Wayland compositors always composite; the offscreen and framebuffer platforms never do.
    return platform.startsWith(QLatin1String("wayland"));
}

} // namespace platform::detail
