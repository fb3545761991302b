#include "NumberText.h"

#include "runtime/Ascii.h"
#include "runtime/MessageText.h"
#include "runtime/RuntimeError.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <limits>
#include <optional>
#include <string>

namespace runtime {

namespace {

// Significant digits of a displayed number.
constexpr int shownDigits = 15;

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

[[noreturn]] void raiseNotANumber(std::u16string_view text, NumberStop stop)
{
    throw RuntimeError(ErrorCode::TypeMismatch, messages::notANumber(text, stop));
}

// A number that the grammar accepts, split into its parts.
struct NumberSyntax {
    bool negative = false;
    std::u16string_view integerDigits;
    std::u16string_view fractionDigits;
    bool exponentNegative = false;
    std::u16string_view exponentDigits;
};

// Reads the text, blanks around it already cut, as a number.  Returns where
// and why reading stopped short, with the position counted in the text
// itself; nothing when all is read.
std::optional<NumberStop> parseSyntax(std::u16string_view text, NumberSyntax& out)
{
    using Reason = NumberStop::Reason;
    const auto stopAt = [&](std::size_t i) {
        return NumberStop{i < text.size() ? Reason::NotPartOfNumber : Reason::Incomplete, i};
    };
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
        return text.empty() ? NumberStop{Reason::NoDigits, 0} : stopAt(i);
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            out.exponentNegative = text[i++] == u'-';
        out.exponentDigits = digitsFrom(i);
        if (out.exponentDigits.empty())
            return stopAt(i);
    }
    if (i < text.size())
        return stopAt(i);
    return std::nullopt;
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

} // namespace

double textToNumber(std::u16string_view text)
{
    std::u16string_view core = text;
    while (!core.empty() && isBlank(core.front()))
        core.remove_prefix(1);
    while (!core.empty() && isBlank(core.back()))
        core.remove_suffix(1);
    const std::size_t leading = static_cast<std::size_t>(core.data() - text.data());

    NumberSyntax syntax;
    if (auto stop = parseSyntax(core, syntax)) {
        stop->position += leading;
        raiseNotANumber(text, *stop);
    }

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
        const auto read = static_cast<std::size_t>(end - ascii.data());
        raiseNotANumber(text, {read < core.size() ? NumberStop::Reason::NotPartOfNumber
                                                  : NumberStop::Reason::Incomplete,
                               leading + read});
    }
    return syntax.negative ? -magnitude : magnitude;
}

std::u16string numberToText(double value)
{
    if (value == 0.0)
        return u"0";
    // The general format with a precision is printf's "%.15g".
    char buffer[32];
    auto end = std::to_chars(std::begin(buffer), std::end(buffer), value,
                             std::chars_format::general, shownDigits)
                   .ptr;
    // Upper case as "%G" writes it: the exponent mark, and INF or NAN should one arrive.
    std::transform(buffer, end, buffer, upperAscii<char>);
    return widenAscii({buffer, end});
}

} // namespace runtime
