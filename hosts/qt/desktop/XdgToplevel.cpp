#include "XdgToplevel.h"

#include <QGuiApplication>
#include <QPoint>
#include <QSize>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>

#include <xdg-shell-client-protocol.h>

#include <cstdint>

namespace qthost {

namespace {

QPlatformNativeInterface* native()
{
    return QGuiApplication::platformNativeInterface();
}

xdg_toplevel* toplevelOf(QWindow& window)
{
    return native() ? static_cast<xdg_toplevel*>(
                          native()->nativeResourceForWindow("xdg_toplevel", &window))
                    : nullptr;
}

} // namespace

bool hasToplevel(QWindow& window)
{
    return toplevelOf(window) != nullptr;
}

void advertiseFixedSize(QWindow& window)
{
    xdg_toplevel* toplevel = toplevelOf(window);
    auto* surface = static_cast<wl_surface*>(native()->nativeResourceForWindow("surface", &window));
    if (!toplevel || !surface || !window.handle())
        return;
    // The size Qt itself sends as the minimum, in the same coordinates.
    const QSize size = window.handle()->windowMinimumSize();
    xdg_toplevel_set_min_size(toplevel, size.width(), size.height());
    xdg_toplevel_set_max_size(toplevel, size.width(), size.height());
    wl_surface_commit(surface);
}

void showWindowMenu(QWindow& window, QPoint position)
{
    xdg_toplevel* toplevel = toplevelOf(window);
    auto* seat = toplevel ? static_cast<wl_seat*>(native()->nativeResourceForIntegration("wl_seat"))
                          : nullptr;
    if (!seat)
        return;
    // The serial of the seat's latest input event: the press being handled.
    const auto serial = static_cast<std::uint32_t>(
        reinterpret_cast<quintptr>(native()->nativeResourceForIntegration("serial")));
    xdg_toplevel_show_window_menu(toplevel, seat, serial, position.x(), position.y());
}

} // namespace qthost
