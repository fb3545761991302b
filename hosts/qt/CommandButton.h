#pragma once

#include <QPushButton>

namespace qthost {

// A push button that Enter clicks while it has the focus, as Space does,
// without being a default button: the window has none, and no button is
// drawn as one.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace qthost
