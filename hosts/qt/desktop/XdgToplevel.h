#pragma once

class QPoint;
class QWindow;

namespace qthost {

// Requests on the xdg_toplevel Qt made for a shown Wayland window, which Qt
// 6.4 does not make itself.  Each does nothing for a window without one.

// Tells the compositor that <window> cannot be resized: its maximum size is
// its minimum, whatever maximum Qt holds for it.  The compositor takes it
// with the surface's next state, which this commits.
void advertiseFixedSize(QWindow& window);

// Asks the compositor for its menu of <window> at <position> (in the
// window), as a right-click on a title bar does; the compositor shows it
// only for the pointer press Qt has just delivered.
void showWindowMenu(QWindow& window, QPoint position);

// Whether <window> has an xdg_toplevel, so is a Wayland window at all.
bool hasToplevel(QWindow& window);

} // namespace qthost
