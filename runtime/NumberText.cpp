#include "NumberText.h"

#include "runtime/Ascii.h"
#include "runtime/RuntimeError.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace runtime {

namespace {

// Longest quotation of the user's text in an error message.
constexpr std::size_t quotedTextLimit = 40;

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

[[noreturn]] void raiseNotANumber(std::u16string_view text)
{
    std::size_t cut = std::min(text.size(), quotedTextLimit);
    // Never split a surrogate pair when shortening.
    if (cut < text.size() && cut > 0 && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF)
        --cut;
    std::u16string detail = u"\"";
    detail += text.substr(0, cut);
    detail += cut < text.size() ? u"\u2026\"" : u"\"";
    detail += u" is not a number.";
    throw RuntimeError(ErrorCode::TypeMismatch, std::move(detail));
}

// A number that the grammar accepts, split into its parts.
struct NumberSyntax {
    bool negative = false;
    std::u16string_view integerDigits;
    std::u16string_view fractionDigits;
    bool exponentNegative = false;
    std::u16string_view exponentDigits;
};

bool parseSyntax(std::u16string_view text, NumberSyntax& out)
{
    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t start) {
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return text.substr(start, i - start);
    };

    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        out.negative = text[i++] == u'-';
    out.integerDigits = digitsFrom(i);
    if (i < text.size() && text[i] == u'.') {
        ++i;
        out.fractionDigits = digitsFrom(i);
    }
    if (out.integerDigits.empty() && out.fractionDigits.empty())
        return false;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            out.exponentNegative = text[i++] == u'-';
        out.exponentDigits = digitsFrom(i);
        if (out.exponentDigits.empty())
            return false;
    }
    return i == text.size();
}

// Decimal order of magnitude of a non-zero number (0 for 1..9.99, -1 for
// 0.1..0.99), saturating far outside the double range.  Used only to tell an
// overflow from an underflow.
long long decimalOrder(const NumberSyntax& number)
{
    constexpr long long saturation = 1'000'000'000'000LL;
    long long exponent = 0;
    for (const char16_t digit : number.exponentDigits)
        exponent = std::min(saturation, exponent * 10 + (digit - u'0'));
    if (number.exponentNegative)
        exponent = -exponent;

    const auto firstInteger = number.integerDigits.find_first_not_of(u'0');
    if (firstInteger != std::u16string_view::npos)
        return exponent + static_cast<long long>(number.integerDigits.size() - firstInteger) - 1;
    const auto firstFraction = number.fractionDigits.find_first_not_of(u'0');
    return exponent - static_cast<long long>(firstFraction) - 1;
}

// 10^0 to 10^19: every power of ten that a 64-bit unsigned integer holds.
constexpr std::array<std::uint64_t, 20> powersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (auto& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();
// 10^0 to 10^22: every power of ten that a double holds exactly.
constexpr std::array<double, 23> exactPowersOfTen = [] {
    std::array<double, 23> powers{};
    double power = 1.0;
    for (auto& entry : powers) {
        entry = power;
        power *= 10.0;
    }
    return powers;
}();

// The common case of a short number, read exactly without the general
// algorithm: at most 19 significant digits forming an integer below 2^53,
// scaled by a power of ten that a double holds exactly, so that one IEEE
// multiplication or division rounds once, correctly.  Empty when the number
// is not of that kind.
std::optional<double> readShortNumber(const NumberSyntax& number)
{
    if (number.exponentDigits.size() > 3)
        return std::nullopt;
    std::uint64_t mantissa = 0;
    int digits = 0;
    for (const std::u16string_view part : {number.integerDigits, number.fractionDigits}) {
        for (const char16_t digit : part) {
            if (digits == 0 && digit == u'0')
                continue;
            if (++digits > 19)
                return std::nullopt;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit - u'0');
        }
    }
    int exponent = 0;
    for (const char16_t digit : number.exponentDigits)
        exponent = exponent * 10 + (digit - u'0');
    exponent = (number.exponentNegative ? -exponent : exponent) -
               static_cast<int>(number.fractionDigits.size());

    if (mantissa > (std::uint64_t{1} << 53))
        return std::nullopt;
    const auto value = static_cast<double>(mantissa);
    if (mantissa == 0 || exponent == 0)
        return value;
    const auto scale = static_cast<std::size_t>(exponent < 0 ? -exponent : exponent);
    if (scale >= exactPowersOfTen.size())
        return std::nullopt;
    return exponent > 0 ? value * exactPowersOfTen[scale] : value / exactPowersOfTen[scale];
}

} // namespace

double textToNumber(std::u16string_view text)
{
    std::u16string_view core = text;
    while (!core.empty() && isBlank(core.front()))
        core.remove_prefix(1);
    while (!core.empty() && isBlank(core.back()))
        core.remove_suffix(1);

    NumberSyntax syntax;
    if (!parseSyntax(core, syntax))
        raiseNotANumber(text);
    if (const std::optional<double> value = readShortNumber(syntax))
        return syntax.negative ? -*value : *value;

    // The grammar admits ASCII only, so narrowing is exact; from_chars takes
    // no '+', so the sign is applied separately.
    std::string ascii(core.size(), '\0');
    std::transform(core.begin(), core.end(), ascii.begin(),
                   [](char16_t c) { return static_cast<char>(c); });
    const char* first = ascii.data() + (ascii.front() == '+' || ascii.front() == '-' ? 1 : 0);
    const char* last = ascii.data() + ascii.size();

    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(first, last, magnitude);
    if (error == std::errc::result_out_of_range) {
        if (decimalOrder(syntax) >= 0) {
            std::feraiseexcept(FE_OVERFLOW);
            magnitude = std::numeric_limits<double>::infinity();
        } else {
            magnitude = 0.0;
        }
    } else if (error != std::errc{} || end != last) {
        raiseNotANumber(text);
    }
    return syntax.negative ? -magnitude : magnitude;
}

namespace {

constexpr int shownDigits = 15;
constexpr int lowestPlainExponent = -4;
constexpr int highestPlainExponent = shownDigits - 1;

// Wide enough for a 53-bit mantissa times 10^19; g++ and clang++ provide it.
__extension__ typedef unsigned __int128 Wide;

struct RoundedDecimal {
    std::uint64_t digits; // exactly 15 digits
    int exponent;         // of the first digit
};

// A positive finite value rounded to 15 significant digits, ties to even,
// computed exactly in 128-bit integers: the value is m * 2^e with m below
// 2^53, so m * 10^k * 2^e is the scaled value and its remainder is exact.
// Empty when the decimal exponent falls outside the plain range.
std::optional<RoundedDecimal> roundToShownDigits(double magnitude)
{
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> 52);
    if (biasedExponent == 0)
        return std::nullopt; // subnormal: far below the plain range
    constexpr std::uint64_t hiddenBit = std::uint64_t{1} << 52;
    const std::uint64_t mantissa = (bits & (hiddenBit - 1)) | hiddenBit;
    // magnitude = mantissa / 2^shift, and magnitude lies in [2^(b-1), 2^b)
    const int binaryExponent = biasedExponent - 1022;
    const int shift = 53 - binaryExponent;
    if (shift <= 0)
        return std::nullopt;

    // log10 of the value lies in [(b-1) log10 2, b log10 2): this estimate,
    // floor((b-1) log10 2) in fixed point, is the decimal exponent or one
    // below it.
    int exponent = ((binaryExponent - 1) * 78913) >> 18;
    const auto lowest = powersOfTen[shownDigits - 1];
    const auto limit = powersOfTen[shownDigits];
    for (int attempt = 0; attempt < 2; ++attempt, ++exponent) {
        const int scale = highestPlainExponent - exponent;
        if (scale < 0 || scale >= static_cast<int>(powersOfTen.size()) || shift >= 128)
            return std::nullopt;
        const Wide scaled = Wide{mantissa} * powersOfTen[static_cast<std::size_t>(scale)];
        Wide rounded = scaled >> shift;
        const Wide remainder = scaled - (rounded << shift);
        const Wide half = Wide{1} << (shift - 1);
        if (remainder > half || (remainder == half && (rounded & 1)))
            ++rounded;
        if (rounded >= limit)
            continue; // the exponent is one higher
        if (rounded < lowest || exponent < lowestPlainExponent)
            return std::nullopt;
        return RoundedDecimal{static_cast<std::uint64_t>(rounded), exponent};
    }
    return std::nullopt;
}

// Plain notation as "%.15G" writes it: no exponent, no trailing zeros.
std::u16string plainText(bool negative, RoundedDecimal decimal)
{
    std::array<char16_t, shownDigits> digits{};
    for (int i = shownDigits - 1; i >= 0; --i) {
        digits[static_cast<std::size_t>(i)] = static_cast<char16_t>(u'0' + decimal.digits % 10);
        decimal.digits /= 10;
    }
    int used = shownDigits;
    while (used > 1 && digits[static_cast<std::size_t>(used - 1)] == u'0')
        --used;

    std::u16string text;
    text.reserve(shownDigits + 8);
    if (negative)
        text += u'-';
    if (decimal.exponent < 0) {
        text += u"0.";
        text.append(static_cast<std::size_t>(-decimal.exponent - 1), u'0');
        text.append(digits.data(), static_cast<std::size_t>(used));
        return text;
    }
    const int whole = decimal.exponent + 1;
    text.append(digits.data(), static_cast<std::size_t>(std::min(used, whole)));
    if (whole > used)
        text.append(static_cast<std::size_t>(whole - used), u'0');
    if (used > whole) {
        text += u'.';
        text.append(digits.data() + whole, static_cast<std::size_t>(used - whole));
    }
    return text;
}

} // namespace

std::u16string numberToText(double value)
{
    if (value == 0.0)
        return u"0";
    if (std::isfinite(value)) {
        if (const auto decimal = roundToShownDigits(std::fabs(value)))
            return plainText(std::signbit(value), *decimal);
    }
    // Exponent form, and the plain range's rare misses, the general way.
    char buffer[32];
    auto end = std::to_chars(std::begin(buffer), std::end(buffer), value,
                             std::chars_format::general, shownDigits)
                   .ptr;
    // Upper case as "%G" writes it: the exponent mark, and INF or NAN should one arrive.
    std::transform(buffer, end, buffer, [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return widenAscii({buffer, end});
}

} // namespace runtime
