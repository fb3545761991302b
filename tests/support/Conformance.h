#pragma once

// The rules every host is held to, written once and run against each host
// through a small adapter: the first focus, Tab and Shift+Tab, which key
// clicks which button, clicks reaching their handlers, field text, and the
// message box.  The facts come from the window's definition and from
// runtime/MessageText.h.

#include "runtime/WindowDefinition.h"

#include <string>
#include <string_view>
#include <vector>

namespace conformance {

enum class Key { Tab, ShiftTab, Enter, KeypadEnter, HeldEnter, Space, Escape, AltLetter, Letter };

struct SeenBox {
    std::u16string title;
    std::u16string prompt;
    int buttons = 0;
    bool plain = false; // no icon, the prompt as plain text
};

// One shown window of the program's definition on the host under test.
class Adapter {
public:
    virtual ~Adapter() = default;

    // A new window, shown and active.  Recording: each click is only
    // recorded (see clicks()); otherwise the program's handlers run.
    virtual void reset(bool recording) = 0;
    virtual runtime::Host& host() = 0;
    virtual void focus(std::string_view control) = 0;
    virtual std::string focused() = 0;
    // What the keyboard sends for the key on the focused control; a letter
    // is ASCII.  A held Enter is one press, repeats spaced wider than the
    // press a keyboard click shows, then the release.
    virtual void press(Key key, char letter = 0) = 0;
    virtual void click(std::string_view button) = 0;
    // Answers every message box from now on with OK, and tells what they showed.
    virtual void watchBoxes() = 0;
    virtual std::vector<SeenBox> boxes() = 0;

protected:
    Adapter() = default;
    Adapter(const Adapter&) = default;
    Adapter& operator=(const Adapter&) = default;
};

// The buttons clicked since the last reset, in order.
std::vector<std::string>& clicks();

// The program's descriptor with each button bound to a recording handler.
const runtime::ProgramDescriptor& recordingProgram();

// Runs every row; returns one line for each check that failed, named after
// its row, so each test framework asserts that it is empty.
std::vector<std::string> run(Adapter& adapter);

} // namespace conformance
