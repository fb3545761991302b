#include "conversion/Conversion.h"

#include "Checks.h"

#include <doctest/doctest.h>

#include <cfenv>

using runtime::ErrorCode;

namespace {

enum class Direction { EuroToPunt, PuntToEuro };
constexpr auto euros = Direction::EuroToPunt;
constexpr auto punts = Direction::PuntToEuro;

std::string convert(Direction direction, std::u16string_view text)
{
    return utf8(direction == euros ? conversion::convertEuroToPunt(text)
                                   : conversion::convertPuntToEuro(text));
}

} // namespace

TEST_CASE("only a text of no characters is empty")
{
    using namespace std::string_view_literals;
    const struct {
        std::string_view name;
        std::u16string_view text;
        bool empty;
    } rows[] = {
        {"no characters", u"", true},      {"one space", u" ", false}, {"tab", u"\t", false},
        {"NUL character", u"\0"sv, false}, {"zero", u"0", false},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(conversion::isEmptyText(row.text) == row.empty);
    }
}

TEST_CASE("arithmetic")
{
    const struct {
        std::string_view name;
        Direction direction;
        double amount;
        double expected;
    } rows[] = {
        {"1 euro is the rate", euros, 1.0, 0.787564},
        {"10 euros, product rounded", euros, 10.0, 7.875640000000001},
        {"100 euros", euros, 100.0, 78.7564},
        {"0 euros", euros, 0.0, 0.0},
        {"negative euros", euros, -10.0, -7.875640000000001},
        {"1 punt", punts, 1.0, 1.2697380784291816},
        {"100 punts", punts, 100.0, 126.97380784291816},
        {"1.23 punts, rounded once", punts, 1.23, 1.5617778364678934},
        // Without the scaling step each of these ends one or two units in the
        // last place away.
        {"scaled before dividing, not after", punts, 21821990528.67, 27708212321.373245},
        {"scaled, a cent amount", punts, 39209.64, 49785.972949499977},
        {"scaled, rounding the other way", punts, 45147.93, 57326.045883255196},
        {"0 punts", punts, 0.0, 0.0},
        {"negative punts", punts, -1.0, -1.2697380784291816},
        {"huge punts, scaled past double range", punts, 1.4e308, 1.7776333098008543e308},
        {"smallest subnormal punts", punts, 4.9406564584124654e-324, 4.9406564584124654e-324},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        const double result = row.direction == euros ? conversion::eurosToPunts(row.amount)
                                                     : conversion::puntsToEuros(row.amount);
        CHECK(exact(result) == exact(row.expected));
    }
}

// A text converts to the other currency's text, or raises a run-time error.
TEST_CASE("converts text")
{
    const int overflow = numberOf(ErrorCode::Overflow);
    const struct {
        std::string_view name;
        Direction direction;
        std::u16string_view text;
        std::string_view expected;
        int error;
    } rows[] = {
        {"euros with blanks around", euros, u"  10\t", "7.87564", 0},
        {"negative euros", euros, u"-5", "-3.93782", 0},
        {"largest double of euros", euros, u"1.7976931348623157e308", "1.4157983960647E+308", 0},
        {"negative zero punts", punts, u"-0", "0", 0},
        {"underflowing punts", punts, u"1e-400", "0", 0},
        {"punts near the top of the range", punts, u"1e307", "1.26973807842918E+307", 0},
        {"punts just inside the range", punts, u"1.4e308", "1.77763330980085E+308", 0},
        {"euro text past the range", euros, u"1e400", "", overflow},
        {"punt text past the range", punts, u"-1e400", "", overflow},
        {"punt result past the range", punts, u"1.42e308", "", overflow},
        {"negative punt result past the range", punts, u"-1.5e308", "", overflow},
        {"letters in punts", punts, u"ten", "", numberOf(ErrorCode::TypeMismatch)},
    };
    // A condition left over from earlier work changes no outcome.
    for (const auto& row : rows)
        for (const int stale : {0, FE_OVERFLOW, FE_INVALID, FE_DIVBYZERO}) {
            INFO(row.name, ", stale condition ", stale);
            std::feraiseexcept(stale);
            std::string result;
            CHECK(raisedErrorNumber([&] { result = convert(row.direction, row.text); }) ==
                  row.error);
            CHECK(result == row.expected);
        }
}
