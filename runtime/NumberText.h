#pragma once

// Text-to-number and number-to-text conversions of field text.
//
// Accepted numbers: optional blanks (spaces, tabs), an optional sign, decimal
// digits with at most one '.', at least one digit, an optional exponent
// ('e' or 'E', optional sign, digits), optional blanks.  Everything else is a
// Type mismatch; a prefix is never read as the whole.  Independent of the
// locale: the decimal separator is always '.'.

#include <cstddef>
#include <string>
#include <string_view>

namespace runtime {

// Where and why a text stops being a number.
struct NumberStop {
    enum class Reason {
        NoDigits,       // blanks only, or nothing at all
        Incomplete,     // the text ends before the number does
        NotPartOfNumber // the code unit at the position cannot continue it
    };
    Reason reason;
    std::size_t position; // index in the text of the stop, or its number part's end
};

// The double nearest to the text.  Throws RuntimeError (Type mismatch) for a
// text that is not a number.  A magnitude beyond the double range raises the
// floating-point overflow condition and yields an infinity; one too small to
// represent yields zero and is no error.
double textToNumber(std::u16string_view text);

// The display text of a number: 15 significant digits, trailing zeros
// dropped, exponent form ("1E+15", "1E-05") outside the plain range, as
// printf's "%.15G" writes it; negative zero shows as "0".
std::u16string numberToText(double value);

} // namespace runtime
