#pragma once

#include "hosts/win32/MainWindow.h"
#include "hosts/win32/UiaAnnouncer.h"
#include "runtime/FieldHandles.h"
#include "runtime/Host.h"
#include "runtime/WindowDefinition.h"

#include <windows.h>

namespace win32host {

// The host on the Win32 API: builds the start-up window from the program's
// descriptor, delivers each bound button's clicks to its handler, and serves
// the handlers' requests on the window's fields.
class Win32Host final : public runtime::Host {
public:
    // Throws std::logic_error for a descriptor that breaks a rule of
    // runtime::checkDescriptor(), before building anything.  Announcements go
    // through the system's UI Automation unless an announcer is given.
    Win32Host(const runtime::ProgramDescriptor& program, HINSTANCE instance, int dpi,
              UiaAnnouncer announcer = UiaAnnouncer{});

    MainWindow& window() { return window_; }

    runtime::FieldText fieldText(std::string_view field) override;
    void setFieldText(std::string_view field, std::u16string_view text) override;
    void showMessage(std::u16string_view prompt) override;
    void announce(std::u16string_view sentence) override;
    void end() override;

    // Shows the window and runs its messages until it is gone.  Returns the
    // exit status.
    int run(int showCommand);
    // Runs the messages waiting in the thread's queue, then returns.
    void processPendingMessages();

private:
    const runtime::ProgramDescriptor& program_;
    MainWindow window_;
    runtime::FieldHandles<HWND> fields_;
    UiaAnnouncer announcer_;
};

// The dots per inch of the screen, which the program follows (it declares
// itself aware of the system's density).
int systemDpi();

// The start routine: shows the start-up window and runs the message loop
// until the program ends.  Returns the exit status; a start that fails
// reports runtime::reportStartFailure() and returns a failure.
int start(HINSTANCE instance, int showCommand, const runtime::ProgramDescriptor& program);

} // namespace win32host
