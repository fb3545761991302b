#include "runtime/MessageText.h"

#include "runtime/Ascii.h"

#include "Checks.h"

#include <doctest/doctest.h>

#include <string>

TEST_CASE("the user's text is quoted so that it cannot disturb the sentence")
{
    const std::string x39(39, 'x');
    const struct {
        std::string_view name;
        std::u16string text;
        std::string quoted;
    } rows[] = {
        {"right-to-left text is isolated", u"\u05E9\u05DC\u05D5\u05DD",
         "\"\u2068\u05E9\u05DC\u05D5\u05DD\u2069\""},
        {"a leading combining mark sits on a dotted circle", u"\u0301a",
         "\"\u2068\u25CC\u0301a\u2069\""},
        {"a Devanagari vowel sign", u"\u093F", "\"\u2068\u25CC\u093F\u2069\""},
        {"a Thai vowel sign", u"\u0E31", "\"\u2068\u25CC\u0E31\u2069\""},
        {"a Tibetan vowel sign", u"\u0F71", "\"\u2068\u25CC\u0F71\u2069\""},
        {"an ideographic tone mark", u"\u302A", "\"\u2068\u25CC\u302A\u2069\""},
        {"a mark after the first character stays", u"a\u0301", "\"\u2068a\u0301\u2069\""},
        {"a line break is shown", u"1\n2", "\"\u20681<U+000A>2\u2069\""},
        {"a no-break space is shown", u"1\u00A0000", "\"\u20681<U+00A0>000\u2069\""},
        {"an invisible filler letter is shown", u"\u3164", "\"\u2068<U+3164>\u2069\""},
        {"a lone surrogate is shown", std::u16string(1, char16_t{0xD800}),
         "\"\u2068<U+D800>\u2069\""},
        {"long text is shortened", std::u16string(100, u'x'),
         "\"\u2068" + std::string(40, 'x') + "\u2026\u2069\""},
        {"written-out characters count at their shown length", std::u16string(10, u'\u0096'),
         "\"\u2068<U+0096><U+0096><U+0096><U+0096><U+0096>\u2026\u2069\""},
        {"shortening keeps a surrogate pair whole", std::u16string(39, u'x') + u"\U0001F4B6x",
         "\"\u2068" + x39 + "\u2026\u2069\""},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(utf8(runtime::quotedForMessage(row.text)) == row.quoted);
    }
}

TEST_CASE("the first character is named for a sentence")
{
    const struct {
        std::u16string_view text;
        std::string_view name;
    } rows[] = {
        {u"", "the end of the text"},
        {u"\u00A0", "a no-break space (U+00A0)"},
        {u"\u200B", "the invisible character U+200B"},
        {u"\u20AC", "the character \"\u2068\u20AC\u2069\" (U+20AC)"},
        {u"\U0001F4B6", "the character \"\u2068\U0001F4B6\u2069\" (U+1F4B6)"},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(utf8(runtime::characterName(row.text)) == row.name);
    }
}

// The words of each message put together from parts, and of the one the
// user meets first, pinned once.
TEST_CASE("the messages read as written")
{
    using Reason = runtime::NumberStop::Reason;
    namespace messages = runtime::messages;
    const std::string typeDigits =
        "\n\nType digits with at most one point, for example 12.5 or -0.75.";
    const struct {
        std::string_view name;
        std::u16string text;
        std::string words;
    } rows[] = {
        // clang-format off
        {"a report with detail",         runtime::RuntimeError(runtime::ErrorCode::TypeMismatch, u"\"abc\" is not a number.").report(), "\"abc\" is not a number.\n\nRun-time error 13: Type mismatch"},
        {"a report without detail",      runtime::RuntimeError(runtime::ErrorCode::DivisionByZero).report(), "The conversion divided by zero.\n\nRun-time error 11: Division by zero"},
        {"a three-digit number",         runtime::RuntimeError(runtime::ErrorCode::FieldAccessFailed, u"txtEuro").report(), "txtEuro\n\nRun-time error 440: Field access failed"},
        {"advice after the plain words", runtime::RuntimeError(runtime::ErrorCode::Overflow).report(), "The amount is too large to convert.\n\nType a smaller amount.\n\nRun-time error 6: Overflow"},
        {"a letter after digits",        messages::notANumber(u" 12x", {Reason::NotPartOfNumber, 3}), "The text \"\u2068 12x\u2069\" is not a number: the letter \"x\" at position 4 cannot be part of a number." + typeDigits},
        {"a comma as decimal mark",      messages::notANumber(u"1,5", {Reason::NotPartOfNumber, 1}), "The text \"\u20681,5\u2069\" is not a number: the comma at position 2 cannot be part of a number. The decimal mark is a point." + typeDigits},
        {"blanks only",                  messages::notANumber(u" \t", {Reason::NoDigits, 2}), "The text \"\u2068 <U+0009>\u2069\" is not a number: it has no digits." + typeDigits},
        {"an incomplete exponent",       messages::notANumber(u"1e", {Reason::Incomplete, 2}), "The text \"\u20681e\u2069\" is not a number: it ends before the number is complete." + typeDigits},
        {"no such field",                messages::noSuchField("cmdFirst"), "The window has no field named cmdFirst."},
        {"an empty field",               std::u16string(messages::emptyField), "Put a value into the currency box"},
        {"a failed start",               runtime::widenAscii(messages::startFailed(messages::missingPicture("background"))), "The program could not start: the program's resources have no picture named background."},
        // clang-format on
    };
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(utf8(row.text) == row.words);
    }
}
