#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Widens text known to be ASCII (digits, titles) to field text.
inline std::u16string widenAscii(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

} // namespace runtime
