#pragma once

struct gtk_shell1;
class QWindow;

namespace qthost {

// GTK's shell protocol as mutter offers it: the one thing the program asks
// through it is that a dialog be treated as modal, which mutter needs before
// it centres the dialog over its parent.
class GtkShell {
public:
    GtkShell() = default; // a compositor without the protocol
    explicit GtkShell(gtk_shell1* shell)
        : shell_(shell)
    {
    }

    explicit operator bool() const { return shell_ != nullptr; }

    // Marks the shown Wayland <window> a modal dialog of its parent.  Call it
    // before the window's first frame, which mutter places it by.  Does
    // nothing without the protocol or for a window that is not on Wayland.
    void markModal(QWindow& window) const;

private:
    gtk_shell1* shell_ = nullptr; // on the display's default queue; kept for the program's life
};

} // namespace qthost
