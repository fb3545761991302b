#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Widens text known to be ASCII (digits, titles) to field text.
inline std::u16string widenAscii(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

// The upper-case letter of an ASCII lower-case one; any other character as
// it is.
constexpr char16_t upperAscii(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

} // namespace runtime
