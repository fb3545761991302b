#pragma once

// The rules of a window definition and its descriptor that every host
// follows the same way; a host only translates them to its toolkit.

#include "runtime/Ascii.h"
#include "runtime/WindowDefinition.h"

#include <span>
#include <string_view>
#include <vector>

namespace runtime {

// Throws std::logic_error naming the first rule the descriptor breaks: its
// start-up object is its window, each click is bound to a push button, and
// each buddy goes from a label to a control of the window.
void checkDescriptor(const ProgramDescriptor& program);
// The descriptor itself once checked, so that a host checks it in its first
// member initialiser, before it builds anything from it.
const ProgramDescriptor& checkedDescriptor(const ProgramDescriptor& program);

// The control of that name, or nullptr.
const ControlDefinition* findControl(const WindowDefinition& definition, std::string_view name);

// Buttons and fields take the keyboard focus; labels do not.
bool takesFocus(const ControlDefinition& row);

// Every control in keyboard order: by tab index, equal indexes in the order
// of the definition.
std::vector<const ControlDefinition*> tabOrder(const WindowDefinition& definition);

// The control that has the focus when the window opens: the first in tab
// order that takes the focus, or nullptr.
const ControlDefinition* firstFocus(const WindowDefinition& definition);

// Every control in the order a host creates them: the tab order with each
// label moved to just before the control it names, since screen readers
// name a control after the label created just before it.  Labels take no
// focus, so Tab still follows the tab order.
std::vector<const ControlDefinition*> creationOrder(const WindowDefinition& definition);

// The handler bound to the button's click, or nullptr.
ClickHandler clickHandlerOf(std::span<const ClickBinding> bindings, std::string_view control);

// The access key a caption marks with '&' (which "&&" escapes), in upper
// case; 0 when it marks none.  Only Alt with that key clicks the button: a
// bare letter is typing, and the focus stays where it was.  A constant
// expression, so that a text naming the key is made from the caption.
constexpr char16_t accessKey(std::u16string_view caption)
{
    for (std::size_t at = caption.find(u'&'); at != caption.npos && at + 1 < caption.size();
         at = caption.find(u'&', at + 2)) {
        if (caption[at + 1] != u'&')
            return upperAscii(caption[at + 1]);
    }
    return 0;
}

// The button whose access key the character is, in either case, or nullptr.
const ControlDefinition* buttonWithAccessKey(const WindowDefinition& definition, char16_t key);

// The window has no default and no cancel button: Enter, on either key,
// clicks the focused push button alone, and Escape clicks nothing.  A held
// Enter clicks once: the repeats the keyboard sends while it is down click
// nothing.
enum class DialogKey { Enter, Escape };
bool dialogKeyClicks(DialogKey key, const ControlDefinition& focused, bool autoRepeated);

} // namespace runtime
