#include "CommandButton.h"

#include "hosts/qt/QtText.h"
#include "runtime/WindowContract.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace qthost {

CommandButton::CommandButton(const runtime::ControlDefinition& row, QWidget* parent)
    : QPushButton(toQString(row.text), parent)
    , row_(row)
{
    if (const char16_t key = runtime::accessKey(row.text))
        setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(key)));
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain) {
        if (runtime::dialogKeyClicks(runtime::DialogKey::Enter, row_, event->isAutoRepeat()))
            animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace qthost
