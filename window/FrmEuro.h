#pragma once

#include "runtime/FormDefinition.h"

// The program's one window and the descriptor that starts it.
namespace window {

extern const runtime::FormDefinition frmEuroDefinition;
extern const runtime::ProjectDescriptor project;

} // namespace window
