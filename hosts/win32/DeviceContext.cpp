#include "DeviceContext.h"

#include <stdexcept>
#include <utility>

namespace win32host {

DeviceContext::DeviceContext(HDC dc, HWND window, bool memory)
    : dc_(dc)
    , window_(window)
    , memory_(memory)
{
    if (!dc_)
        throw std::runtime_error("no device context");
    SaveDC(dc_);
}

DeviceContext DeviceContext::ofWindow(HWND window)
{
    return {GetDC(window), window, false};
}

DeviceContext DeviceContext::compatibleWith(HDC other)
{
    return {CreateCompatibleDC(other), nullptr, true};
}

DeviceContext::DeviceContext(DeviceContext&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr))
    , window_(other.window_)
    , memory_(other.memory_)
{
}

DeviceContext::~DeviceContext()
{
    if (!dc_)
        return;
    RestoreDC(dc_, -1);
    if (memory_)
        DeleteDC(dc_);
    else
        ReleaseDC(window_, dc_);
}

} // namespace win32host
