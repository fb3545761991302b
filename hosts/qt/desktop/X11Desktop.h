#pragma once

class QWidget;

namespace qthost {

// Keeps the X11 keyboard focus on a shown modal <box> for as long as it
// lives.  A window manager may hand the focus to the window the box blocks
// when that window is clicked (KWin, openbox).  Qt then only asks the
// window manager to activate the box, which may be ignored, and keys reach
// neither window, or reach the box while the window manager thinks the
// blocked window active; when the box closes, no focus event then comes to
// tell Qt its window is active again, and Qt believes none is: access keys
// stop working.  openbox, on a click on the blocked window's bottom edge,
// gives the focus to no client at all and tells the program's windows only
// that the box lost it.  Here the program moves the focus to the box itself, as
// the ICCCM lets a client with the focus move it among its own windows, so
// the window manager and Qt agree on the box, and later on the window.
// Does nothing off X11.
void keepX11FocusOnBox(QWidget& box);

// Keeps the fixed-size top-level <window> at its own size on X11 when a
// tiling window manager (i3) stretches it over a tile.  i3 answers a tiled
// window's requests for another size with the tile's size again, and floats
// at its own size only a fixed-size window that it maps: so the window,
// stretched, is shown anew.  Does nothing off X11.
void keepOwnSizeWhenTiled(QWidget& window);

} // namespace qthost
