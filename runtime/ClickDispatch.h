#pragma once

#include "runtime/Host.h"

namespace runtime {

// Runs a click handler to completion.  A run-time error that leaves the
// handler is reported in the host's message box, and the program goes on:
// nothing the handler had not yet written changes, so both fields keep their
// texts.  No exception leaves this function unless the message box itself
// fails.
void deliverClick(Host& host, ClickHandler handler);

} // namespace runtime
