#include "GtkShell.h"

#include "hosts/qt/desktop/XdgToplevel.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <gtk-shell-client-protocol.h>

namespace qthost {

void GtkShell::markModal(QWindow& window) const
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* surface =
        native ? static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window))
               : nullptr;
    if (!shell_ || !surface || !hasToplevel(window))
        return;
    gtk_surface1* gtkSurface = gtk_shell1_get_gtk_surface(shell_, surface);
    gtk_surface1_set_modal(gtkSurface);
    // The compositor keeps the mark with the surface; version 1 has no
    // request that ends it, so the program only forgets its own handle.
    gtk_surface1_destroy(gtkSurface);
}

} // namespace qthost
