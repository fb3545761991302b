// Fuzzes the whole text path of a conversion: field text, text to number,
// both conversions with their floating-point check, number to text.
//
// The first input byte picks how the rest becomes field text: one byte to a
// character (reaches the number grammar quickly), or two bytes to a UTF-16
// code unit (lone surrogates, NULs, any plane).  Fails on a crash, undefined
// behaviour, an outcome that is neither a text nor a defined run-time error,
// an accepted text that strtod reads differently, or a result text that
// differs from printf's "%.15G" or does not read back to within 15
// significant digits of the result, or a refusal whose report could show the
// user's text unsafely.

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

// A refusal's report shows the user's text safely: every control character
// but the report's own line breaks and every lone surrogate is written out,
// the text cannot reorder the sentence, and the report stays short.
void checkReport(const RuntimeError& error)
{
    const std::u16string report = error.report();
    int openIsolates = 0;
    for (std::size_t i = 0; i < report.size(); ++i) {
        const char16_t c = report[i];
        if ((c < 0x20 && c != u'\n') || (c >= 0x7F && c <= 0x9F))
            fail("a report holds a raw control character");
        if (c >= 0xD800 && c <= 0xDBFF &&
            !(i + 1 < report.size() && report[i + 1] >= 0xDC00 && report[i + 1] <= 0xDFFF))
            fail("a report holds a lone high surrogate");
        if (c >= 0xDC00 && c <= 0xDFFF &&
            !(i > 0 && report[i - 1] >= 0xD800 && report[i - 1] <= 0xDBFF))
            fail("a report holds a lone low surrogate");
        if (c == u'\u2068')
            ++openIsolates;
        if (c == u'\u2069' && --openIsolates < 0)
            fail("a report closes an isolate it did not open");
        if (c >= 0x202A && c <= 0x202E)
            fail("a report holds a raw directional embedding");
    }
    if (openIsolates != 0)
        fail("a report leaves an isolate open");
    if (report.size() > 400)
        fail("a report is too long to read");
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
        checkReport(error);
        accepted = false;
    }
    if (accepted)
        compareWithStrtod(text, parsed);

    checkDirection(text, accepted, parsed, conversion::convertEuroToPunt, conversion::eurosToPunts);
    checkDirection(text, accepted, parsed, conversion::convertPuntToEuro, conversion::puntsToEuros);
    return 0;
}
