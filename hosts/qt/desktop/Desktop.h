#pragma once

#include "hosts/qt/desktop/GtkShell.h"

class QMessageBox;
class QSize;
class QWidget;

namespace qthost {

// The one place that tells desktops apart: what the running desktop offers
// the program's two windows, found once, and what each window needs there.
//
// clang-format off
// | desktop    | title bars drawn by    | keyboard kept on the open box by  | box placed by        |
// |------------|------------------------|-----------------------------------|----------------------|
// | X11, no WM | nothing                | activating the window after it    | nothing              |
// | X11 + a WM | the window manager     | the WM, or the program taking it  | the WM               |
// |            |                        | back from the window (KWin, openbox) |                   |
// | weston     | the program (TitleBar) | showing the box anew              | weston, anywhere     |
// | sway       | sway (xdg-decoration)  | showing the box anew              | sway                 |
// | KWin       | KWin (xdg-decoration)  | showing the box anew              | KWin                 |
// | mutter     | the program (TitleBar) | showing the box anew              | mutter, marked modal |
// Tiled, i3 stretches the window over the tile: it is shown anew, and floats.
// clang-format on
//
// Why: where the compositor offers no xdg-decoration, Qt 6.4 draws its own
// title bar with a maximise button that mutter grants even to a fixed window.
// sway and mutter move the keyboard to the window behind an open box on a
// click, and turn down or only flag a request to give it back, but give a
// newly shown window the keyboard.  An X11 window manager may give the
// keyboard to the window behind a modal box, and Qt then believes no window
// active once the box closes (X11Desktop.h).  A fixed size is told to every
// compositor as min == max, and a filling state is undone (WindowStateKeeper).
class Desktop {
public:
    // Found on the first call, which needs the QGuiApplication.
    static const Desktop& running();

    bool wayland() const { return wayland_; }

    // Fits the main window, before it shows, to a client area of <client>:
    // the desktop's title bar or its own, its fixed size, its state kept.
    // Returns the top of the client area in the window.
    int fitMainWindow(QWidget& window, QSize client) const;

    // Fits a message box of <owner>'s, once it has its title, text and
    // buttons and before exec(): whose title bar, place, fixed size, the
    // keyboard kept on it while it is open and handed back to <owner> after.
    void fitBox(QMessageBox& box, QWidget& owner) const;

private:
    Desktop();

    bool ownTitleBar() const { return wayland_ && !compositorDrawsTitleBars_; }
    void keepKeyboardOnBox(QMessageBox& box, const QWidget& owner) const;
    void showBoxAgain(QMessageBox& box) const;

    bool wayland_ = false;
    bool compositorDrawsTitleBars_ = true;
    GtkShell gtkShell_;
};

} // namespace qthost
