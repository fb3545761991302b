#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;

namespace qthost {

// Keeps a fixed-size top-level window (the main window, a message box)
// whole whatever the desktop imposes on it.  Maximised or fullscreen, the
// window goes back to its normal state; one that the desktop puts back at
// once (a kiosk's) gets its way instead of a fight.  On Wayland the window
// takes any size the compositor configures: xdg-shell ends a client whose
// maximised or fullscreen surface keeps its own size, and Qt clamps every
// configured size to the window's maximum.  So there the maximum is lifted
// once the window shows, and again whenever the window may have fixed it,
// and the window keeps only its minimum.
class WindowStateKeeper final : public QObject {
public:
    // Watches <window> and lives as its child.
    explicit WindowStateKeeper(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void returnToNormal();

    QWidget* window_;
    QElapsedTimer lastRefusedFilling_; // when it last left fullscreen or maximised
};

// Whether the program runs as a native Wayland client.
bool onWayland();

} // namespace qthost
