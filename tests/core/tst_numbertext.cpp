#include "runtime/NumberText.h"

#include "runtime/MessageText.h"

#include "Checks.h"

#include <doctest/doctest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

using namespace std::string_view_literals;
using runtime::ErrorCode;
using runtime::numberToText;
using runtime::textToNumber;

namespace {

std::string printfText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer == "-0"sv ? "0" : buffer;
}

} // namespace

// A number past the range reads as an infinity and raises the overflow
// condition for the caller to report; no other text raises a condition.
TEST_CASE("accepts numbers")
{
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        std::string_view name;
        std::u16string text;
        double expected;
        int condition;
    } rows[] = {
        {"leading point", u".5", 0.5, 0},
        {"trailing point", u"5.", 5.0, 0},
        {"plus sign", u"+3", 3.0, 0},
        {"negative zero", u"-0", -0.0, 0},
        {"leading zeros", u"007", 7.0, 0},
        {"upper-case exponent, negative", u"25E-2", 0.25, 0},
        {"exponent with plus", u"1.5e+2", 150.0, 0},
        {"surrounding blanks", u" \t 7.25\t  ", 7.25, 0},
        {"largest double", u"1.7976931348623157e308", 1.7976931348623157e308, 0},
        {"smallest subnormal", u"4.9e-324", 4.9406564584124654e-324, 0},
        {"underflow is zero", u"1e-400", 0.0, 0},
        {"negative underflow", u"-1e-400", -0.0, 0},
        {"zero with huge exponent", u"0e999999", 0.0, 0},
        {"huge negative exponent", u"123e-99999999999999999999", 0.0, 0},
        {"just past the range", u"1.8e308", infinity, FE_OVERFLOW},
        {"far past the range", u"1e400", infinity, FE_OVERFLOW},
        {"negative past the range", u"-1e400", -infinity, FE_OVERFLOW},
        {"many digits", std::u16string(400, u'9'), infinity, FE_OVERFLOW},
        {"saturating exponent", u"1e99999999999999999999", infinity, FE_OVERFLOW},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        std::feclearexcept(FE_ALL_EXCEPT);
        CHECK(exact(textToNumber(row.text)) == exact(row.expected));
        CHECK(std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO) == row.condition);
    }
}

TEST_CASE("refuses what is not a number")
{
    const struct {
        std::string_view name;
        std::u16string_view text;
    } rows[] = {
        {"empty", u""},
        {"blanks only", u" \t "},
        {"letters", u"abc"},
        {"number then letters", u"12abc"},
        {"number then one letter", u"12x"},
        {"letters then number", u"x12"},
        {"comma as decimal separator", u"1,5"},
        {"space as group separator", u"1 000"},
        {"euro sign", u"\u20ac5"},
        {"pound sign after", u"5\u00a3"},
        {"inf", u"inf"},
        {"nan", u"nan"},
        {"hexadecimal", u"0x1A"},
        {"hexadecimal float", u"0x1p3"},
        {"lone sign", u"-"},
        {"lone point", u"."},
        {"signed point", u"+."},
        {"two points", u"1.2.3"},
        {"two signs", u"--1"},
        {"blank after sign", u"- 1"},
        {"exponent without digits", u"1e"},
        {"exponent sign only", u"1e+"},
        {"exponent alone", u"e5"},
        {"fractional exponent", u"1e2.5"},
        {"newline", u"1\n"},
        {"no-break space", u"\u00a01"},
        {"Arabic-Indic digit", u"\u0661"},
        {"full-width digit", u"\uff11"},
        {"NUL after number", u"1\0"sv},
        {"lone surrogate", u"\xD800"
                           u"1"},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(raisedErrorNumber([&] { textToNumber(row.text); }) ==
              numberOf(ErrorCode::TypeMismatch));
    }
}

TEST_CASE("a type mismatch says where the text stops being a number")
{
    using Reason = runtime::NumberStop::Reason;
    const struct {
        std::string_view name;
        std::u16string_view text;
        runtime::NumberStop stop;
    } rows[] = {
        {"letter after digits", u" 12x", {Reason::NotPartOfNumber, 3}},
        {"comma as decimal mark", u"1,5", {Reason::NotPartOfNumber, 1}},
        {"blanks only", u" \t", {Reason::NoDigits, 2}},
        {"incomplete exponent", u"1e", {Reason::Incomplete, 2}},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        try {
            textToNumber(row.text);
            FAIL_CHECK("no error raised");
        } catch (const runtime::RuntimeError& error) {
            CHECK(utf8(error.detail()) == utf8(runtime::messages::notANumber(row.text, row.stop)));
        }
    }
}

// What printf does not show: zero's sign dropped; and two examples.
TEST_CASE("displays numbers")
{
    const struct {
        std::string_view name;
        double value;
        std::string_view text;
    } rows[] = {
        {"zero", 0.0, "0"},
        {"negative zero", -0.0, "0"},
        {"first exponent form", 1e15, "1E+15"},
        {"small exponent form", 1e-5, "1E-05"},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(utf8(numberToText(row.value)) == row.text);
    }
}

// Many values per band against the C library's own "%.15G".
TEST_CASE("displays numbers as printf does")
{
    enum class Band { Decades, Ties, AnyBits };
    const struct {
        std::string_view name;
        Band band;
        int lowestDecade;
        int highestDecade;
    } rows[] = {
        {"exponent form, small", Band::Decades, -320, -6},
        {"edge of the plain range, small", Band::Decades, -6, -3},
        {"plain range", Band::Decades, -4, 14},
        {"edge of the plain range, large", Band::Decades, 13, 16},
        {"exponent form, large", Band::Decades, 15, 308},
        {"halves at the sixteenth digit", Band::Ties, 0, 0},
        {"any bit pattern", Band::AnyBits, 0, 0},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        std::mt19937_64 random(20261208);
        std::uniform_real_distribution<double> mantissa(1.0, 10.0);
        std::uniform_int_distribution<int> decade(row.lowestDecade, row.highestDecade);
        std::uniform_int_distribution<std::int64_t> wholeNumber(100'000'000'000'000,
                                                                999'999'999'999'999);
        for (int i = 0; i < 20000; ++i) {
            double value = 0;
            switch (row.band) {
            case Band::Decades:
                value = mantissa(random) * std::pow(10.0, decade(random));
                break;
            case Band::Ties: // exactly halfway between two 15-digit numbers
                value = static_cast<double>(wholeNumber(random)) + 0.5;
                break;
            case Band::AnyBits:
                value = std::bit_cast<double>(random());
                break;
            }
            if (!std::isfinite(value))
                continue;
            if (i % 2)
                value = -value;
            INFO("value ", exact(value));
            const std::string ours = utf8(numberToText(value));
            REQUIRE(ours == printfText(value));
        }
    }
}

// Random decimal texts against the C library's strtod.
TEST_CASE("reads numbers as strtod does")
{
    const struct {
        std::string_view name;
        int maximumDigits;
        int maximumExponent;
    } rows[] = {
        {"short, no exponent", 8, 0},
        {"up to 19 digits, small exponent", 19, 22},
        {"long mantissa", 40, 30},
        {"far exponents", 20, 330},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        std::mt19937_64 random(8122026);
        std::uniform_int_distribution<int> digitCount(1, row.maximumDigits);
        std::uniform_int_distribution<int> digit(0, 9);
        std::uniform_int_distribution<int> exponent(-row.maximumExponent, row.maximumExponent);
        for (int i = 0; i < 20000; ++i) {
            std::string text = i % 3 ? "" : "-";
            const int count = digitCount(random);
            const int point = std::uniform_int_distribution<int>(0, count)(random);
            for (int d = 0; d < count; ++d) {
                if (d == point && d > 0)
                    text += '.';
                text += static_cast<char>('0' + digit(random));
            }
            if (row.maximumExponent > 0)
                text += 'e' + std::to_string(exponent(random));

            INFO("text ", text);
            const double ours = textToNumber(std::u16string(text.begin(), text.end()));
            REQUIRE(exact(ours) == exact(std::strtod(text.c_str(), nullptr)));
        }
    }
}
