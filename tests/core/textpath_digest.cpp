// Feeds a fixed, reproducible stream of field texts and amounts through the
// conversions and the number texts, and prints one FNV-1a digest of every
// outcome, run-time errors included.  Two builds that print the same digest
// gave the same text for every input; the stream uses only the output of
// std::mt19937_64, which the standard fixes, never a distribution or libm.

#include "conversion/Conversion.h"
#include "runtime/NumberText.h"
#include "runtime/RuntimeError.h"

#include <array>
#include <bit>
#include <charconv>
#include <cinttypes>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

namespace {

class Digest {
public:
    void add(std::u16string_view text)
    {
        for (const char16_t unit : text) {
            addByte(static_cast<std::uint8_t>(unit & 0xFF));
            addByte(static_cast<std::uint8_t>(unit >> 8));
        }
        addByte(0xFF); // ends the text, so "1" "23" differs from "12" "3"
    }

    void add(std::uint64_t value)
    {
        for (int shift = 0; shift < 64; shift += 8)
            addByte(static_cast<std::uint8_t>(value >> shift));
    }

    std::uint64_t value() const { return hash_; }

private:
    void addByte(std::uint8_t byte)
    {
        hash_ ^= byte;
        hash_ *= 0x100000001b3;
    }

    std::uint64_t hash_ = 0xcbf29ce484222325;
};

// Runs one step and adds its text, or the number of the error it raised.
template <typename Step>
void addOutcome(Digest& digest, Step&& step)
{
    try {
        digest.add(step());
    } catch (const runtime::RuntimeError& error) {
        digest.add(u"error");
        digest.add(static_cast<std::uint64_t>(error.number()));
    }
}

void addTextPath(Digest& digest, std::u16string_view text)
{
    addOutcome(digest, [&] { return conversion::convertEuroToPunt(text); });
    addOutcome(digest, [&] { return conversion::convertPuntToEuro(text); });
    addOutcome(digest, [&] { return runtime::numberToText(runtime::textToNumber(text)); });
}

void addAmount(Digest& digest, double amount)
{
    digest.add(runtime::numberToText(amount));
    digest.add(std::bit_cast<std::uint64_t>(conversion::eurosToPunts(amount)));
    digest.add(std::bit_cast<std::uint64_t>(conversion::puntsToEuros(amount)));
    char shortest[32];
    const auto written = std::to_chars(shortest, shortest + sizeof shortest, amount);
    addTextPath(digest, std::u16string(shortest, written.ptr));
}

// A double with any sign and mantissa and a binary exponent within
// +-exponentRange of 1, as plausible amounts are; or any bit pattern.
double randomAmount(std::mt19937_64& random, int exponentRange)
{
    const std::uint64_t bits = random();
    if (exponentRange == 0)
        return std::bit_cast<double>(bits);
    const auto span = static_cast<std::uint64_t>(2 * exponentRange + 1);
    const std::uint64_t exponent =
        1023 - static_cast<std::uint64_t>(exponentRange) + (bits >> 52) % span;
    return std::bit_cast<double>((bits & 0x800F'FFFF'FFFF'FFFF) | exponent << 52);
}

// A decimal text of up to 24 digits with an optional sign, point and
// exponent, now and then with a character that makes it no number.
std::u16string randomDigitText(std::mt19937_64& random)
{
    const auto pick = [&](std::size_t count) { return static_cast<std::size_t>(random() % count); };
    std::u16string text;
    if (pick(4) == 0)
        text += pick(2) ? u'-' : u'+';
    const std::size_t digits = 1 + pick(24);
    const std::size_t point = pick(digits + 4);
    for (std::size_t d = 0; d < digits; ++d) {
        if (d == point)
            text += u'.';
        text += static_cast<char16_t>(u'0' + pick(10));
    }
    if (pick(3) == 0) {
        text += pick(2) ? u'e' : u'E';
        if (pick(2))
            text += u'-';
        const std::string exponent = std::to_string(pick(pick(8) == 0 ? 400 : 40));
        text.append(exponent.begin(), exponent.end());
    }
    if (pick(16) == 0)
        text.insert(pick(text.size() + 1), 1, u" \t,x\u00a0"[pick(5)]);
    return text;
}

constexpr std::array<std::u16string_view, 18> edgeTexts{
    u"",       u" ",       u"0",        u"-0",       u"1",
    u"10",     u"1.23",    u"1e-400",   u"4.9e-324", u"1e400",
    u"-1e400", u"1.4e308", u"1.42e308", u"-1.5e308", u"1.7976931348623157e308",
    u"abc",    u"0x10",    u" 99.99 "};

} // namespace

int main()
{
    std::setlocale(LC_ALL, "C");
    constexpr int rounds = 100'000;
    std::mt19937_64 random(20261208);
    Digest digest;
    for (const auto text : edgeTexts)
        addTextPath(digest, text);
    for (int i = 0; i < rounds; ++i) {
        addAmount(digest, randomAmount(random, 60));
        addAmount(digest, randomAmount(random, 0));
        addTextPath(digest, randomDigitText(random));
    }
    std::printf("%016" PRIx64 "\n", digest.value());
    return 0;
}
