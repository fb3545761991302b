#include "MessageText.h"

#include "runtime/Ascii.h"
#include "runtime/UnicodeClasses.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <span>
#include <string>

namespace runtime {

namespace {

// Longest quotation of the user's text in a message, in code units as
// shown, so that written-out characters count at their shown length.
constexpr std::size_t quotedTextLimit = 40;

constexpr char16_t dottedCircle = u'\u25CC';

bool isHighSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char32_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

struct Decoded {
    char32_t codePoint;
    std::size_t units;
};

// One code point from the start of the text; a lone surrogate stands for
// itself.
Decoded decodeFirst(std::u16string_view text)
{
    if (text.empty())
        return {0, 0};
    if (text.size() >= 2 && isHighSurrogate(text[0]) && isLowSurrogate(text[1]))
        return {0x10000 + ((char32_t{text[0]} - 0xD800) << 10) + (char32_t{text[1]} - 0xDC00), 2};
    return {text[0], 1};
}

// Whether the code point lies in one of the sorted, disjoint ranges.
bool inRanges(char32_t c, std::span<const unicode::CodePointRange> ranges)
{
    const auto after = std::upper_bound(ranges.begin(), ranges.end(), c,
                                        [](char32_t v, const auto& r) { return v < r.first; });
    return after != ranges.begin() && c <= std::prev(after)->last;
}

bool isHidden(char32_t c)
{
    return inRanges(c, unicode::hiddenCharacters);
}
bool isCombining(char32_t c)
{
    return inRanges(c, unicode::combiningMarks);
}

// "U+00A0": at least four hexadecimal digits.
std::u16string codePointText(char32_t c)
{
    char digits[8];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), c, 16).ptr;
    std::string text = "U+";
    text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, 4 - (end - digits))), '0');
    text.append(digits, end);
    std::transform(text.begin(), text.end(), text.begin(), upperAscii<char>);
    return widenAscii(text);
}

void appendVisible(std::u16string& out, std::u16string_view character, char32_t c)
{
    if (isHidden(c)) {
        out += u'<';
        out += codePointText(c);
        out += u'>';
        return;
    }
    out += character;
}

// The character isolated from the layout around it, a combining mark on a
// dotted circle so that it joins nothing outside.
std::u16string isolated(std::u16string_view visible, bool startsWithMark)
{
    std::u16string out(1, firstStrongIsolate);
    if (startsWithMark)
        out += dottedCircle;
    out += visible;
    out += popDirectionalIsolate;
    return out;
}

// Each error's number, its title, what the user reads when an error brings
// no words of its own, and what to do about it.
struct ErrorTexts {
    ErrorCode code;
    int number;
    const char* title;
    std::u16string_view plainWords;
    std::u16string_view advice;
};

// clang-format off
constexpr auto errorTexts = std::to_array<ErrorTexts>({
    {ErrorCode::InvalidFloatingPointOperation, 5,   "Invalid floating-point operation", u"The conversion did not give a number.", u""},
    {ErrorCode::Overflow,                      6,   "Overflow",                         u"The amount is too large to convert.", u"Type a smaller amount."},
    {ErrorCode::OutOfMemory,                   7,   "Out of memory",                    u"There was not enough memory to finish.", u""},
    {ErrorCode::DivisionByZero,                11,  "Division by zero",                 u"The conversion divided by zero.", u""},
    {ErrorCode::TypeMismatch,                  13,  "Type mismatch",                    u"The text is not a number.", u""},
    {ErrorCode::InternalError,                 51,  "Internal error",                   u"Something went wrong inside the program.", u""},
    {ErrorCode::FieldAccessFailed,             440, "Field access failed",              u"A field could not be read or written.", u""},
});
// clang-format on

// A code finds its row by its place in the enumeration.
static_assert([] {
    for (std::size_t row = 0; row < errorTexts.size(); ++row)
        if (static_cast<std::size_t>(errorTexts[row].code) != row)
            return false;
    return true;
}());

const ErrorTexts& textsOf(ErrorCode code) noexcept
{
    static constexpr ErrorTexts unknown{ErrorCode{}, 0, "Unknown error", u"Something went wrong.",
                                        u""};
    const auto row = static_cast<std::size_t>(code);
    return row < errorTexts.size() ? errorTexts[row] : unknown;
}

std::u16string decimal(std::size_t number)
{
    return widenAscii(std::to_string(number));
}

} // namespace

std::u16string quotedForMessage(std::u16string_view text)
{
    std::u16string visible;
    bool startsWithMark = false;
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = decodeFirst(text.substr(i));
        if (i == 0)
            startsWithMark = isCombining(d.codePoint);
        std::u16string shown;
        appendVisible(shown, text.substr(i, d.units), d.codePoint);
        if (visible.size() + shown.size() > quotedTextLimit) {
            visible += u'\u2026';
            break;
        }
        visible += shown;
        i += d.units;
    }
    return u'"' + isolated(visible, startsWithMark) + u'"';
}

std::u16string characterName(std::u16string_view text)
{
    if (text.empty())
        return u"the end of the text";
    const Decoded d = decodeFirst(text);
    const char32_t c = d.codePoint;
    switch (c) {
    case U',':
        return u"the comma";
    case U'.':
        return u"the point";
    case U' ':
        return u"a space";
    case U'\t':
        return u"a tab";
    case U'\n':
    case U'\r':
        return u"a line break (" + codePointText(c) + u")";
    case U'\u00A0':
        return u"a no-break space (U+00A0)";
    default:
        break;
    }
    const std::u16string_view character = text.substr(0, d.units);
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'))
        return u"the letter \"" + std::u16string(character) + u"\"";
    if (c < 0x80 && !isHidden(c))
        return u"the character \"" + std::u16string(character) + u"\"";
    if (isHidden(c))
        return u"the invisible character " + codePointText(c);
    return u"the character \"" + isolated(character, isCombining(c)) + u"\" (" + codePointText(c) +
           u")";
}

namespace messages {

int errorNumber(ErrorCode code) noexcept
{
    return textsOf(code).number;
}

const char* errorTitle(ErrorCode code) noexcept
{
    return textsOf(code).title;
}

std::u16string errorReport(ErrorCode code, std::u16string_view detail)
{
    const ErrorTexts& texts = textsOf(code);
    std::u16string text(detail.empty() ? texts.plainWords : detail);
    if (detail.empty() && !texts.advice.empty())
        text.append(u"\n\n").append(texts.advice);
    text += u"\n\nRun-time error ";
    text += decimal(static_cast<std::size_t>(texts.number));
    text += u": ";
    text += widenAscii(texts.title);
    return text;
}

std::u16string notANumber(std::u16string_view text, const NumberStop& stop)
{
    std::u16string detail = u"The text " + quotedForMessage(text) + u" is not a number: ";
    switch (stop.reason) {
    case NumberStop::Reason::NoDigits:
        detail += u"it has no digits.";
        break;
    case NumberStop::Reason::Incomplete:
        detail += u"it ends before the number is complete.";
        break;
    case NumberStop::Reason::NotPartOfNumber:
        detail += characterName(text.substr(stop.position));
        // Everything before the stop is ASCII, so its index counts characters.
        detail += u" at position " + decimal(stop.position + 1) + u" cannot be part of a number.";
        if (text.substr(stop.position).starts_with(u','))
            detail += u" The decimal mark is a point.";
        break;
    }
    detail += u"\n\nType digits with at most one point, for example 12.5 or -0.75.";
    return detail;
}

std::u16string amountIn(std::u16string_view amount, std::u16string_view currency)
{
    std::u16string sentence(amount);
    sentence += u' ';
    sentence += currency;
    return sentence;
}

std::u16string noSuchField(std::string_view field)
{
    return u"The window has no field named " + widenAscii(field) + u".";
}

std::u16string fieldNotWritten(std::string_view field)
{
    return u"The field " + widenAscii(field) + u" could not be written.";
}

std::string startupObjectIsNotTheWindow()
{
    return "the start-up object is not the described window";
}

std::string clickBoundToNoButton(std::string_view control)
{
    return "a click is bound to no button: " + std::string(control);
}

std::string buddyBroken(std::string_view label)
{
    return "a buddy is not from a label to a control: " + std::string(label);
}

std::string noControlNamed(std::string_view control)
{
    return "the window has no control named " + std::string(control);
}

std::string missingPicture(std::string_view picture)
{
    return "the program's resources have no picture named " + std::string(picture);
}

std::string missingIcon(std::string_view icon)
{
    return "the program's resources have no icon named " + std::string(icon);
}

std::string startFailed(std::string_view reason)
{
    return "The program could not start: " + std::string(reason) + ".";
}

} // namespace messages

} // namespace runtime
