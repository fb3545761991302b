#pragma once

// Conversion between euros and Irish pounds (punts) at the fixed rate.
//
// The text functions take the whole text of the source field and return the
// text for the target field, or throw runtime::RuntimeError: Type mismatch
// for a text that is not a number, Overflow (or another floating-point
// error) when the arithmetic leaves the double range.  Amounts are never
// rounded to cents.

#include <string>
#include <string_view>

namespace conversion {

// Punts per euro, the double nearest to 0.787564.
inline constexpr double puntsPerEuro = 0.787564;

// True only for a text of length zero; blanks are not empty.
bool isEmptyText(std::u16string_view text) noexcept;

// The arithmetic alone, as the text functions perform it.
double eurosToPunts(double euros) noexcept;
double puntsToEuros(double punts) noexcept;

std::u16string convertEuroToPunt(std::u16string_view euroText);
std::u16string convertPuntToEuro(std::u16string_view puntText);

} // namespace conversion
