#pragma once

#include "runtime/Host.h"

#include <string>
#include <string_view>

// Field text and names cross into the Win32 API here and nowhere else.  On
// Windows wchar_t is UTF-16, like field text, so the code units are copied
// as they are.
namespace win32host {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

inline std::wstring toWide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

// Names and faces in window definitions are ASCII.
inline std::wstring toWide(std::string_view ascii)
{
    std::wstring wide;
    wide.reserve(ascii.size());
    for (const char c : ascii)
        wide.push_back(static_cast<unsigned char>(c));
    return wide;
}

inline runtime::FieldText toFieldText(std::wstring_view text)
{
    return {text.begin(), text.end()};
}

} // namespace win32host
