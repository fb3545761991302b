#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32host {

// The text as the font selected into the context can draw it.  The
// bidirectional isolates only steer the layout of the text between them;
// a font with no glyph for them would draw each as a box, so they are left
// out where the font lacks them.
std::wstring withoutIsolatesMissingFrom(HDC dc, std::wstring_view text);

// The text as a message box can draw it in the system's message font.
std::wstring shownInMessageBox(std::wstring_view text);

} // namespace win32host
