#include "WaylandToplevel.h"

#include <QGuiApplication>
#include <QSize>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>

#include <wayland-client-core.h>
#include <wayland-client-protocol.h>

#include <cstring>

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

// GTK's shell protocol, version 1, as far as the program speaks it: written
// out here since no Debian package installs it.  Every event of version 1
// is listed, so that libwayland can read what the compositor sends.
extern const wl_interface gtkSurfaceInterface;
const wl_interface* getGtkSurfaceTypes[] = {&gtkSurfaceInterface, &wl_surface_interface};
const wl_message gtkShellRequests[] = {{"get_gtk_surface", "no", getGtkSurfaceTypes}};
const wl_message gtkShellEvents[] = {{"capabilities", "u", nullptr}};
const wl_interface* noTypes[6] = {};
const wl_message gtkSurfaceRequests[] = {{"set_dbus_properties", "?s?s?s?s?s?s", noTypes},
                                         {"set_modal", "", nullptr}};
const wl_message gtkSurfaceEvents[] = {{"configure", "a", nullptr}};
const wl_interface gtkShellInterface = {"gtk_shell1", 1, 1, gtkShellRequests, 1, gtkShellEvents};
const wl_interface gtkSurfaceInterface = {"gtk_surface1",     1, 2,
                                          gtkSurfaceRequests, 1, gtkSurfaceEvents};
constexpr std::uint32_t gtkShellGetGtkSurface = 0;
constexpr std::uint32_t gtkSurfaceSetModal = 1;

// What the program needs of the compositor's globals, looked up once.
struct Globals {
    // Bound on the display's default queue, where its events find no
    // listener and are dropped; nullptr where the compositor has none.
    wl_proxy* gtkShell = nullptr;
    std::uint32_t gtkShellName = 0; // in the registry
    bool decorationManager = false; // xdg-decoration
};

Globals lookUpGlobals()
{
    Globals globals;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display =
        native && onWayland()
            ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"))
            : nullptr;
    if (!display)
        return globals;
    // A registry of its own, on a queue of its own, so that the look-up
    // dispatches nothing of Qt's.
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    wl_registry* registry = wl_display_get_registry(wrapper);
    static constexpr wl_registry_listener listener = {
        [](void* data, wl_registry*, std::uint32_t name, const char* interface, std::uint32_t) {
            auto* seen = static_cast<Globals*>(data);
            if (std::strcmp(interface, gtkShellInterface.name) == 0)
                seen->gtkShellName = name;
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                seen->decorationManager = true;
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry_add_listener(registry, &listener, &globals);
    wl_display_roundtrip_queue(display, queue);
    if (globals.gtkShellName != 0) {
        globals.gtkShell = static_cast<wl_proxy*>(
            wl_registry_bind(registry, globals.gtkShellName, &gtkShellInterface, 1));
        wl_proxy_set_queue(globals.gtkShell, nullptr);
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapper);
    wl_event_queue_destroy(queue);
    return globals;
}

const Globals& globals()
{
    static const Globals looked = lookUpGlobals();
    return looked;
}

} // namespace

bool compositorDrawsTitleBars()
{
    return !onWayland() || globals().decorationManager;
}

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

void advertiseModal(QWindow& window)
{
    auto* surface = static_cast<wl_proxy*>(nativeResource("surface", window));
    wl_proxy* shell =
        surface && nativeResource("xdg_toplevel", window) ? globals().gtkShell : nullptr;
    if (!shell)
        return;
    wl_proxy* gtkSurface = wl_proxy_marshal_flags(shell, gtkShellGetGtkSurface,
                                                  &gtkSurfaceInterface, 1, 0, nullptr, surface);
    wl_proxy_marshal_flags(gtkSurface, gtkSurfaceSetModal, nullptr, 1, 0);
    // The compositor keeps the mark with the surface; version 1 has no
    // request that ends it, so the program only forgets its own handle.
    wl_proxy_destroy(gtkSurface);
}

void showAgain(QWindow& window)
{
    QPlatformWindow* handle = window.handle();
    if (!handle || !nativeResource("xdg_toplevel", window))
        return;
    handle->setVisible(false);
    handle->setVisible(true);
    advertiseFixedSize(window);
    if (window.modality() != Qt::NonModal)
        advertiseModal(window);
}

} // namespace qthost
