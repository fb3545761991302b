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
template <typename Char>
constexpr Char upperAscii(Char c)
{
    return c >= Char{'a'} && c <= Char{'z'} ? static_cast<Char>(c - Char{'a'} + Char{'A'}) : c;
}

} // namespace runtime
