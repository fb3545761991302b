#pragma once

#include "hosts/qt/Announcer.h"
#include "hosts/qt/MainWindow.h"
#include "runtime/FieldHandles.h"
#include "runtime/Host.h"
#include "runtime/WindowDefinition.h"

#include <QLineEdit>

namespace qthost {

// The host on Qt Widgets: builds the start-up window from the program's
// descriptor, delivers each bound button's clicks to its handler, and
// serves the handlers' requests on the window's fields.
class QtHost final : public runtime::Host {
public:
    // Needs a QApplication.  Throws std::logic_error for a descriptor that
    // breaks a rule of runtime::checkDescriptor(), before building anything.
    explicit QtHost(const runtime::ProgramDescriptor& program);

    MainWindow& window() { return window_; }

    runtime::FieldText fieldText(std::string_view field) override;
    void setFieldText(std::string_view field, std::u16string_view text) override;
    void showMessage(std::u16string_view prompt) override;
    void announce(std::u16string_view sentence) override;
    void end() override;

private:
    MainWindow window_;
    Announcer* announcer_; // owned by the window
    runtime::FieldHandles<QLineEdit*> fields_;
};

// The start routine: creates the application, shows the start-up window and
// runs the event loop until the program ends.  Returns the exit status; a
// start that fails reports runtime::reportStartFailure() and returns a failure.
int start(int argc, char* argv[], const runtime::ProgramDescriptor& program);

} // namespace qthost
