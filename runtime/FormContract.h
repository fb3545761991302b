#pragma once

// The rules of a window definition and its descriptor that every host
// follows the same way; a host only translates them to its toolkit.

#include "runtime/FormDefinition.h"

#include <string_view>
#include <vector>

namespace runtime {

// Throws std::logic_error naming the first rule the descriptor breaks: its
// start-up object is its window, each click is bound to a push button, and
// each caption link goes from a label to a control of the window.
void checkDescriptor(const ProjectDescriptor& project);

// The control of that name, or nullptr.
const ControlDefinition* findControl(const FormDefinition& form, std::string_view name);

// The text field of that name.  Throws RuntimeError (Field access failed)
// when the window has none.
const ControlDefinition& requireField(const FormDefinition& form, std::string_view name);

// Every control in keyboard order: by tab index, equal indexes in the order
// of the definition.  The first control here that takes the focus has it
// when the window opens.
std::vector<const ControlDefinition*> tabOrder(const FormDefinition& form);

// Every control in the order a host creates them: the tab order with each
// caption label moved to just before the control it names, since screen
// readers name a control after the label created just before it.  Labels
// take no focus, so Tab still follows the tab order.
std::vector<const ControlDefinition*> creationOrder(const FormDefinition& form);

// The handler bound to the button's click, or nullptr.
ClickHandler clickHandlerOf(const ProjectDescriptor& project, std::string_view control);

} // namespace runtime
