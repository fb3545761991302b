#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;

namespace qthost {

// Keeps a fixed-size top-level window (the main window, a message box)
// whole whatever the desktop imposes on it.  Maximised or fullscreen, the
// window goes back to its normal state; one that the desktop puts back at
// once (a kiosk's) gets its way instead of a fight.
//
// On Wayland the compositor is told min == max, which is what makes mutter
// (GNOME), KWin and wlroots (sway) treat a window as fixed: no edge drag,
// no maximise or half-tiling, and sway floats it at its own size.  Weston
// maximises it anyway and ends a client whose maximised surface does not
// take the configured size exactly (fullscreen anywhere may be larger too),
// and may resize it; KWin and sway fullscreen it.  Outside those states the
// window goes back to its own size at once.
// Qt 6.4 clamps every configured size to the window's maximum and
// acknowledges it before the window hears of the new state, so no state
// change can lift the maximum in time.  Qt's maximum is therefore lifted
// once the window shows, and whenever the window may have fixed it again,
// and only the compositor hears of the fixed size.
class WindowStateKeeper final : public QObject {
public:
    // Watches <window> and lives as its child; <wayland>: the window is a
    // native Wayland client's.
    WindowStateKeeper(QWidget* window, bool wayland);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void returnToNormal();

    QWidget* window_;
    bool wayland_;
    QElapsedTimer lastRefusedFilling_; // when it last left fullscreen or maximised
};

} // namespace qthost
