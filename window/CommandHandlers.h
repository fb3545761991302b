#pragma once

#include "runtime/Runtime.h"

#include <array>
#include <string_view>

// What the window's four buttons do.  Each handler runs to completion on a
// click, reaches the fields only through the host, and catches nothing: a
// run-time error goes on to the host's deliverClick().
namespace window {

inline constexpr std::u16string_view emptyFieldMessage = u"Put a value into the currency box";

// Converts the euro field's text into the punt field.
void cmdConvertEuroToPuntClick(runtime::Runtime& host);
// Converts the punt field's text into the euro field.
void cmdConvertPuntToEuroClick(runtime::Runtime& host);
// Empties the punt field, then the euro field.
void cmdClearClick(runtime::Runtime& host);
// Ends the program.
void cmdExitClick(runtime::Runtime& host);

extern const std::array<runtime::ClickBinding, 4> clickBindings;

} // namespace window
