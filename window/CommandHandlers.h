#pragma once

#include "runtime/Host.h"

#include <array>
#include <string_view>

// What the window's four buttons do.  Each handler runs to completion on a
// click, reaches the fields only through the host, and catches nothing: a
// run-time error goes on to runtime::deliverClick(), which reports it.
namespace window {

// Converts the euro field's text into the punt field.
void cmdConvertEuroToPuntClick(runtime::Host& host);
// Converts the punt field's text into the euro field.
void cmdConvertPuntToEuroClick(runtime::Host& host);
// Empties the punt field, then the euro field.
void cmdClearClick(runtime::Host& host);
// Ends the program.
void cmdExitClick(runtime::Host& host);

extern const std::array<runtime::ClickBinding, 4> clickBindings;

} // namespace window
