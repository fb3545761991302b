#pragma once

// Small helpers shared by the test files; standard library only, so that the
// core's tests build for every platform.

#include "runtime/RuntimeError.h"

#include <charconv>
#include <string>
#include <string_view>

// Runs an action and returns the number of the run-time error it raised, or
// 0 when it raised none, so a data-driven test compares it like any column.
template <typename Action>
int raisedErrorNumber(Action&& action)
{
    try {
        action();
    } catch (const runtime::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

inline int numberOf(runtime::ErrorCode code)
{
    return static_cast<int>(code);
}

// Seventeen digits tell any two doubles apart, signed zeros included.
inline std::string exact(double value)
{
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, written.ptr);
}

// Field text as UTF-8, so that checks compare and print plain strings.  A
// lone surrogate becomes U+FFFD.
inline std::string utf8(std::u16string_view text)
{
    const auto isSurrogate = [](char32_t c, char32_t first) {
        return c >= first && c < first + 0x400;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isSurrogate(c, 0xD800) && i + 1 < text.size() && isSurrogate(text[i + 1], 0xDC00))
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00u);
        else if (isSurrogate(c, 0xD800) || isSurrogate(c, 0xDC00))
            c = 0xFFFD;
        const auto byte = [&](char32_t bits) { out += static_cast<char>(bits); };
        if (c < 0x80) {
            byte(c);
        } else if (c < 0x800) {
            byte(0xC0 | c >> 6);
            byte(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            byte(0xE0 | c >> 12);
            byte(0x80 | (c >> 6 & 0x3F));
            byte(0x80 | (c & 0x3F));
        } else {
            byte(0xF0 | c >> 18);
            byte(0x80 | (c >> 12 & 0x3F));
            byte(0x80 | (c >> 6 & 0x3F));
            byte(0x80 | (c & 0x3F));
        }
    }
    return out;
}
