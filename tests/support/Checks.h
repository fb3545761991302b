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
    return runtime::RuntimeError(code).number();
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
        const int tail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        out += static_cast<char>(tail ? (0xF0u << (3 - tail) & 0xF0) | c >> 6 * tail : c);
        for (int shift = 6 * (tail - 1); shift >= 0; shift -= 6)
            out += static_cast<char>(0x80 | (c >> shift & 0x3F));
    }
    return out;
}
