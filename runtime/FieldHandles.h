#pragma once

#include "runtime/MessageText.h"
#include "runtime/RuntimeError.h"
#include "runtime/WindowDefinition.h"

#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace runtime {

// Each text field of a window with the toolkit's handle for it, resolved
// once when the host starts, so that a handler's read or write finds its
// field in one step.
template <typename Handle>
class FieldHandles {
public:
    // resolve(name) gives the handle of the control of that name, or a null
    // one; a field the window was built without throws std::logic_error.
    template <typename Resolve>
    FieldHandles(const WindowDefinition& definition, Resolve resolve)
    {
        for (const ControlDefinition& row : definition.controls) {
            if (row.kind != ControlKind::TextField)
                continue;
            const Handle handle = resolve(row.name);
            if (!handle)
                throw std::logic_error(messages::noControlNamed(row.name));
            fields_.emplace_back(row.name, handle);
        }
    }

    // Throws RuntimeError (Field access failed) when the window has no text
    // field of that name.
    Handle require(std::string_view name) const
    {
        for (const auto& [field, handle] : fields_)
            if (field == name)
                return handle;
        throw RuntimeError(ErrorCode::FieldAccessFailed, messages::noSuchField(name));
    }

private:
    std::vector<std::pair<std::string_view, Handle>> fields_;
};

} // namespace runtime
