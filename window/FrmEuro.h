#pragma once

#include "runtime/WindowDefinition.h"

// The program's one window and the descriptor that starts it.
namespace window {

extern const runtime::WindowDefinition frmEuroDefinition;
extern const runtime::ProgramDescriptor program;

} // namespace window
