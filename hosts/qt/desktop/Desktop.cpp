#include "Desktop.h"

#include "hosts/qt/desktop/TitleBar.h"
#include "hosts/qt/desktop/WindowStateKeeper.h"
#include "hosts/qt/desktop/X11Desktop.h"
#include "hosts/qt/desktop/XdgToplevel.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>

#include <gtk-shell-client-protocol.h>
#include <wayland-client.h>

#include <cstring>

namespace qthost {

namespace {

struct WaylandGlobals {
    std::uint32_t gtkShellName = 0; // in the registry; 0 where there is none
    bool decorationManager = false; // xdg-decoration, which Qt asks to draw title bars
};

// Reads the compositor's globals on a registry and queue of the program's
// own, so that the look-up dispatches nothing of Qt's, and binds gtk_shell1
// where there is one.
GtkShell lookUpGlobals(wl_display* display, WaylandGlobals& seen)
{
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    wl_registry* registry = wl_display_get_registry(wrapper);
    static constexpr wl_registry_listener listener = {
        [](void* data, wl_registry*, std::uint32_t name, const char* interface, std::uint32_t) {
            auto* globals = static_cast<WaylandGlobals*>(data);
            if (std::strcmp(interface, gtk_shell1_interface.name) == 0)
                globals->gtkShellName = name;
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                globals->decorationManager = true;
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry_add_listener(registry, &listener, &seen);
    wl_display_roundtrip_queue(display, queue);
    gtk_shell1* shell = nullptr;
    if (seen.gtkShellName != 0) {
        shell = static_cast<gtk_shell1*>(
            wl_registry_bind(registry, seen.gtkShellName, &gtk_shell1_interface, 1));
        // On the default queue its events find no listener and are dropped.
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(shell), nullptr);
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapper);
    wl_event_queue_destroy(queue);
    return GtkShell(shell);
}

} // namespace

const Desktop& Desktop::running()
{
    static const Desktop found;
    return found;
}

Desktop::Desktop()
{
    wayland_ = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display =
        wayland_ && native
            ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"))
            : nullptr;
    if (!display)
        return;
    WaylandGlobals globals;
    gtkShell_ = lookUpGlobals(display, globals);
    compositorDrawsTitleBars_ = globals.decorationManager;
}

int Desktop::fitMainWindow(QWidget& window, QSize client) const
{
    // A fixed size, so no maximise button either; with a title bar of its
    // own, no title bar of Qt's (a minimise button hint would bring it back).
    window.setWindowFlags(ownTitleBar()
                              ? Qt::Window | Qt::FramelessWindowHint
                              : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowCloseButtonHint);
    int clientTop = 0;
    if (ownTitleBar()) {
        auto* titleBar = new TitleBar(window.windowTitle(), TitleBar::Buttons::Window, &window);
        titleBar->setGeometry(0, 0, client.width(), titleBar->sizeHint().height());
        clientTop = titleBar->height();
    }
    window.setFixedSize(client.width(), clientTop + client.height());
    new WindowStateKeeper(&window, wayland_);
    if (!wayland_)
        keepOwnSizeWhenTiled(window);
    return clientTop;
}

void Desktop::fitBox(QMessageBox& box, QWidget& owner) const
{
    new WindowStateKeeper(&box, wayland_);
    if (!wayland_) {
        // Without a window manager nothing hands the keyboard back to the
        // window.  (A Wayland compositor gives it back to the box's parent
        // itself, and Qt 6.4's activation request there reads the surface of
        // whichever window last had the keyboard, the box's, gone by then.)
        QObject::connect(&box, &QDialog::finished, &owner, [&owner] { owner.activateWindow(); });
        keepX11FocusOnBox(box);
        return;
    }
    if (ownTitleBar())
        giveTitleBar(box);
    keepKeyboardOnBox(box, owner);
    // Shown modal before the event loop paints it, so that mutter hears it
    // is modal before it places it; exec() finds it shown.  (Modal as exec()
    // makes it: QMessageBox::setWindowModality resets the flags.)
    box.setAttribute(Qt::WA_ShowModal);
    box.show();
    gtkShell_.markModal(*box.windowHandle());
}

// A click on the window behind the box gives that window the keyboard on
// some compositors (sway, GNOME), and every key would be lost while the box
// is open.  Each gives a newly shown window the keyboard: the box shows
// itself anew.
void Desktop::keepKeyboardOnBox(QMessageBox& box, const QWidget& owner) const
{
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &box,
                     [this, &box, main = owner.windowHandle()](QWindow* focused) {
                         if (focused && focused == main)
                             QTimer::singleShot(0, &box, [this, &box] { showBoxAgain(box); });
                     });
}

// A new surface for the box, which the compositor maps as a new window,
// fixed in size and modal like the one before; the widgets in it never see
// it hidden.
void Desktop::showBoxAgain(QMessageBox& box) const
{
    QWindow* shown = box.windowHandle();
    if (!shown || !shown->handle() || !hasToplevel(*shown))
        return;
    shown->handle()->setVisible(false);
    shown->handle()->setVisible(true);
    advertiseFixedSize(*shown);
    gtkShell_.markModal(*shown);
}

} // namespace qthost
