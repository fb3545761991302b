#pragma once

class QWindow;

namespace qthost {

// Whether the program runs as a native Wayland client.
bool onWayland();

// Whether something other than Qt draws the title bars of the program's
// windows: an X11 window manager, or a Wayland compositor that offers
// xdg-decoration, which Qt then asks to (KWin, sway).  Elsewhere (weston,
// mutter) Qt would draw its own.
bool compositorDrawsTitleBars();

// Tells the compositor that the shown Wayland <window> cannot be resized:
// its maximum size is its minimum, whatever maximum Qt holds for it.  The
// compositor takes it with the surface's next state, which this commits.
// Does nothing for a window without a Wayland toplevel.
void advertiseFixedSize(QWindow& window);

// Tells a compositor that speaks GTK's shell protocol (mutter) that the
// shown Wayland <window> is a modal dialog of its parent, which mutter
// centres over the parent when it maps it.  Call it before the window's
// first frame.  Does nothing elsewhere.
void advertiseModal(QWindow& window);

// Gives the shown Wayland <window> a new surface, which the compositor maps
// as a new window, fixed in size and modal like the one before; the widgets
// in it never see it hidden.
void showAgain(QWindow& window);

} // namespace qthost
