#pragma once

#include "hosts/win32/GdiObject.h"

#include <windows.h>

#include <string_view>

namespace win32host {

// The part of a window's picture that its client area shows: the named
// bitmap resource at its natural size from the top-left corner, scaled with
// the screen's density, the back colour wherever the picture does not reach.
class WindowPicture {
public:
    // Throws std::runtime_error when the module has no such bitmap.
    WindowPicture(HINSTANCE instance, std::string_view name, SIZE client, int dpi,
                  COLORREF backColour);

    void paint(HDC dc) const;

    // A brush that continues the picture behind a child window whose
    // top-left corner is at `origin` in the client area.
    HBRUSH brushBehind(HDC dc, POINT origin) const;

private:
    void drawVisible(HDC screen, HBITMAP picture, const BITMAP& natural, int dpi,
                     COLORREF backColour);

    SIZE client_;
    GdiObject<HBITMAP> visible_;
    GdiObject<HBRUSH> brush_;
};

} // namespace win32host
