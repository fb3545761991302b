#pragma once

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <type_traits>

namespace win32host {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};

// Owns a font, brush or bitmap and deletes it with its owner.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

// Takes ownership of a newly created object; throws when its creation failed.
template <typename Handle>
GdiObject<Handle> ownGdiObject(Handle handle, const char* what)
{
    if (!handle)
        throw std::runtime_error(what);
    return GdiObject<Handle>(handle);
}

} // namespace win32host
