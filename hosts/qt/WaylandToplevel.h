#pragma once

class QWindow;

namespace qthost {

// Whether the program runs as a native Wayland client.
bool onWayland();

// Tells the compositor that the shown Wayland <window> cannot be resized:
// its maximum size is its minimum, whatever maximum Qt holds for it.  The
// compositor takes it with the surface's next state, which this commits.
// Does nothing for a window without a Wayland toplevel.
void advertiseFixedSize(QWindow& window);

} // namespace qthost
