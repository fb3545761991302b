#pragma once

#include "runtime/WindowDefinition.h"

#include <QPushButton>

namespace qthost {

// A push button that keys click as the window's rules say
// (runtime/WindowContract.h): Alt with its access key, and Enter while it has
// the focus, as Space does, without being a default button.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const runtime::ControlDefinition& row, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const runtime::ControlDefinition& row_;
};

} // namespace qthost
