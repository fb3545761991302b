#include "CommandButton.h"

#include <QKeyEvent>

namespace qthost {

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain) {
        if (!event->isAutoRepeat())
            animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace qthost
