#pragma once

#include <windows.h>

namespace win32host {

// A device context for drawing or measuring: a window's (or the screen's)
// or a memory one.  Objects selected into it are deselected on destruction,
// before the context is released.
class DeviceContext {
public:
    // The context of the window's client area; the screen's for nullptr.
    static DeviceContext ofWindow(HWND window);
    // A memory context compatible with the given one.
    static DeviceContext compatibleWith(HDC other);

    ~DeviceContext();
    DeviceContext(DeviceContext&& other) noexcept;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    DeviceContext& operator=(DeviceContext&&) = delete;

    HDC get() const noexcept { return dc_; }
    void select(HGDIOBJ object) { SelectObject(dc_, object); }

private:
    DeviceContext(HDC dc, HWND window, bool memory);

    HDC dc_;
    HWND window_;
    bool memory_;
};

} // namespace win32host
