#pragma once

#include <QFrame>

class QMessageBox;
class QString;

namespace qthost {

// The title across the top of a window whose desktop draws none: it moves
// the window when dragged and opens the desktop's window menu on a
// right-click, as a title bar does; with the window buttons, minimise and
// close beside the title.
class TitleBar final : public QFrame {
public:
    enum class Buttons { None, Window };

    TitleBar(const QString& title, Buttons buttons, QWidget* window);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Puts a title bar above everything else the box holds, and takes the
// desktop's title bar away.  Call it once the box has its title, text and
// buttons.
void giveTitleBar(QMessageBox& box);

} // namespace qthost
