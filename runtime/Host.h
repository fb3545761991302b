#pragma once

// The services the program asks of its host.
//
// How the pieces meet: the host builds the window from its declared
// definition, following the rules in runtime/WindowContract.h, and owns the
// texts of its fields; it finds each field and binds each button's handler
// once, at start.  When a button is clicked the host calls the bound
// ClickHandler through deliverClick().  The handler reads
// a field with fieldText(), turns the text into the other currency with the
// conversion library, and writes the result with setFieldText() or shows a
// message with showMessage().  A run-time error travels as a RuntimeError
// exception from wherever it arises up to deliverClick(), which reports it in
// the message box; the program and both fields' texts survive it.
//
// Nothing here depends on a toolkit: the handlers and the conversions are
// tested against a fake host.  Two hosts implement this for real from the
// same window definition and bindings: hosts/qt on Qt Widgets for Linux and
// hosts/win32 on the Win32 API for Windows.

#include <string>
#include <string_view>

namespace runtime {

// Field text: UTF-16 with an explicit length, as a text field holds it.
using FieldText = std::u16string;

class Host {
public:
    virtual ~Host() = default;

    // The whole current text of the named field.  Throws RuntimeError when the
    // field cannot be read.
    virtual FieldText fieldText(std::string_view field) = 0;

    // Replaces the whole text of the named field.  Throws RuntimeError when
    // the field cannot be written.
    virtual void setFieldText(std::string_view field, std::u16string_view text) = 0;

    // A modal box with the prompt and an OK button only, no icon, titled
    // with the application's title.  Returns once the user dismisses it.
    virtual void showMessage(std::u16string_view prompt) = 0;

    // Tells a screen reader's user what just happened, such as a button's
    // result, without moving the focus or changing what the window shows.
    virtual void announce(std::u16string_view sentence) = 0;

    // Ends the program with success; no further event is delivered.
    virtual void end() = 0;

protected:
    Host() = default;
    Host(const Host&) = default;
    Host& operator=(const Host&) = default;
};

using ClickHandler = void (*)(Host&);

// Which handler runs when the named button is clicked.
struct ClickBinding {
    std::string_view control;
    ClickHandler handler;
};

} // namespace runtime
