#pragma once

#include <QFrame>

class QMessageBox;
class QString;

namespace qthost {

// Where no one else draws title bars (weston, mutter), Qt 6.4 decorates
// every Wayland window alike: minimise and maximise buttons, a maximise that
// the compositor may grant even to a fixed-size window, and a title cut
// where it meets them.  There the program's windows go without Qt's
// decoration and carry their title in a caption row of their own.
bool needsOwnCaption();

// The title across the top of a window, which moves the window when
// dragged; with the window buttons, minimise and close beside it.
class CaptionRow final : public QFrame {
public:
    enum class Buttons { None, Window };

    CaptionRow(const QString& title, Buttons buttons, QWidget* window);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Gives the box a caption row above everything else it holds.  Call it once
// the box has its title, text and buttons.
void giveOwnCaption(QMessageBox& box);

} // namespace qthost
