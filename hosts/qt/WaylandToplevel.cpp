#include "WaylandToplevel.h"

#include <QGuiApplication>
#include <QSize>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>

#include <wayland-client-core.h>
#include <wayland-client-protocol.h>

namespace qthost {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

namespace {

// xdg_toplevel's request numbers in xdg-shell, whose generated header Qt
// does not install.
constexpr std::uint32_t xdgToplevelSetMaxSize = 7;
constexpr std::uint32_t xdgToplevelSetMinSize = 8;

void* nativeResource(const char* name, QWindow& window)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? native->nativeResourceForWindow(name, &window) : nullptr;
}

void sendSize(wl_proxy* toplevel, std::uint32_t request, QSize size)
{
    wl_proxy_marshal_flags(toplevel, request, nullptr, wl_proxy_get_version(toplevel), 0,
                           size.width(), size.height());
}

} // namespace

void advertiseFixedSize(QWindow& window)
{
    auto* toplevel = static_cast<wl_proxy*>(nativeResource("xdg_toplevel", window));
    auto* surface = static_cast<wl_surface*>(nativeResource("surface", window));
    if (!toplevel || !surface || !window.handle())
        return;
    // The size Qt itself sends as the minimum, in the same coordinates.
    const QSize size = window.handle()->windowMinimumSize();
    sendSize(toplevel, xdgToplevelSetMinSize, size);
    sendSize(toplevel, xdgToplevelSetMaxSize, size);
    wl_surface_commit(surface);
}

void showAgain(QWindow& window)
{
    QPlatformWindow* handle = window.handle();
    if (!handle || !nativeResource("xdg_toplevel", window))
        return;
    handle->setVisible(false);
    handle->setVisible(true);
    advertiseFixedSize(window);
}

} // namespace qthost
