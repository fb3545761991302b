// Fuzzes the whole text path of a conversion: field text, text to number,
// both conversions with their floating-point check, number to text.
//
// The first input byte picks how the rest becomes field text: one byte to a
// character (reaches the number grammar quickly), or two bytes to a UTF-16
// code unit (lone surrogates, NULs, any plane).  Fails on a crash, undefined
// behaviour, an outcome that is neither a text nor a defined run-time error,
// an accepted text that strtod reads differently, or a result text that
// differs from printf's "%.15G" or does not read back to within 15
// significant digits of the result.

#include "conversion/Conversion.h"
#include "runtime/NumberText.h"
#include "runtime/RuntimeError.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

using runtime::ErrorCode;
using runtime::RuntimeError;

namespace {

[[noreturn]] void fail(const char* why)
{
    std::fprintf(stderr, "fuzz_textpath: %s\n", why);
    std::abort();
}

std::u16string toFieldText(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    if (size == 0)
        return text;
    const bool wide = data[0] & 1;
    ++data;
    --size;
    if (!wide) {
        text.assign(data, data + size);
        return text;
    }
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    if (size % 2)
        text.push_back(data[size - 1]);
    return text;
}

// What strtod makes of an accepted text, which the grammar keeps to ASCII.
void compareWithStrtod(const std::u16string& text, double parsed)
{
    std::string ascii(text.begin(), text.end());
    while (!ascii.empty() && (ascii.back() == ' ' || ascii.back() == '\t'))
        ascii.pop_back();
    char* end = nullptr;
    errno = 0;
    const double expected = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size())
        fail("strtod stops early in a text the grammar accepts");
    if (std::isinf(expected) != std::isinf(parsed) ||
        std::signbit(expected) != std::signbit(parsed))
        fail("strtod and the grammar disagree on range or sign");
    if (!std::isinf(expected) && expected != parsed)
        fail("strtod reads an accepted text as another number");
}

void checkReadsBack(const std::u16string& shown, double result)
{
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15G", result);
    const std::string expected = std::string(printed) == "-0" ? "0" : printed;
    if (std::u16string(expected.begin(), expected.end()) != shown)
        fail("a result text differs from what printf's %.15G writes");

    double back = 0;
    try {
        back = runtime::textToNumber(shown);
    } catch (const RuntimeError&) {
        fail("a result text is not a number");
    }
    const double tolerance = std::fabs(result) * 6e-15 + std::numeric_limits<double>::denorm_min();
    if (!(std::fabs(back - result) <= tolerance))
        fail("a result text is not the result to 15 significant digits");
}

void checkDirection(const std::u16string& text, bool accepted, double parsed,
                    std::u16string (*convert)(std::u16string_view), double (*step)(double) noexcept)
{
    std::u16string shown;
    try {
        shown = convert(text);
    } catch (const RuntimeError& error) {
        switch (error.code()) {
        case ErrorCode::TypeMismatch:
            if (accepted)
                fail("an accepted text is a type mismatch in a conversion");
            return;
        case ErrorCode::Overflow:
            if (!accepted)
                fail("a refused text reached the arithmetic");
            if (!std::isinf(parsed) && !std::isinf(step(parsed)))
                fail("an overflow is reported for a result in range");
            return;
        case ErrorCode::DivisionByZero:
        case ErrorCode::InvalidFloatingPointOperation:
            fail("the arithmetic raised a condition it cannot meet");
        default:
            fail("a conversion raised an error outside its contract");
        }
    } catch (...) {
        fail("a conversion threw something other than a run-time error");
    }
    if (!accepted)
        fail("a refused text converted");
    checkReadsBack(shown, step(parsed));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string text = toFieldText(data, size);

    bool accepted = true;
    double parsed = 0;
    try {
        parsed = runtime::textToNumber(text);
    } catch (const RuntimeError& error) {
        if (error.code() != ErrorCode::TypeMismatch)
            fail("text to number raised something other than a type mismatch");
        accepted = false;
    }
    if (accepted)
        compareWithStrtod(text, parsed);

    checkDirection(text, accepted, parsed, conversion::convertEuroToPunt, conversion::eurosToPunts);
    checkDirection(text, accepted, parsed, conversion::convertPuntToEuro, conversion::puntsToEuros);
    return 0;
}
