#pragma once

// The rules every host is held to, written once and run against each host
// through a small adapter: the first focus, Tab and Shift+Tab, which key
// clicks which button (a held Enter too), clicks reaching their handlers,
// field text and the message box.  The facts come from the window's
// definition and runtime/MessageText.h.

#include "runtime/WindowDefinition.h"

#include <string>
#include <string_view>
#include <vector>

namespace conformance {

enum class Key { Tab, ShiftTab, Enter, KeypadEnter, HeldEnter, Space, Escape, AltLetter, Letter };

struct SeenBox {
    std::u16string title, prompt;
    int buttons = 0;
    bool plain = false; // no icon, the prompt as plain text
};

// The program's window, shown and active, on the host under test.
class Adapter {
public:
    virtual ~Adapter() = default;
    // A new window.  Recording: each click is only recorded in clicks().
    virtual runtime::Host& reset(bool recording) = 0;
    virtual void focus(std::string_view control) = 0;
    virtual std::string focused() = 0;
    // What the keyboard sends to the focused control for the key, a letter
    // being ASCII; a held Enter is a press, repeats spaced wider than the
    // press a keyboard click shows, and the release.
    virtual void press(Key key, char letter = 0) = 0;
    virtual void click(std::string_view button) = 0;
    // Answers the boxes shown from now on with OK, and tells what they showed.
    virtual void watchBoxes() = 0;
    virtual std::vector<SeenBox> boxes() = 0;
};

// The buttons clicked since the last reset, in order.
std::vector<std::string>& clicks();
// The program's descriptor with each button bound to a recording handler.
const runtime::ProgramDescriptor& recordingProgram();
// Runs every row; returns a line for each check that failed, named after its
// row, for any test framework to assert that there is none.
std::vector<std::string> run(Adapter& adapter);

} // namespace conformance
