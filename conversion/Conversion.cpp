#include "Conversion.h"

#include "runtime/NumberText.h"
#include "runtime/RuntimeError.h"

#include <cfenv>

// The arithmetic is watched through the floating-point status flags.  The
// target is built with -frounding-math, and every step is stored through a
// volatile, so the compiler neither folds nor reorders a step past the
// status test.

namespace conversion {

namespace {

// Punts to euros scales up by this before the division and down after it.
// It is not a no-op: the scaled quotient rounds to its own nearest value,
// and the result can be a different double (21821990528.67 punts give
// 27708212321.373245 euros with the scaling, 27708212321.373241 without),
// so leaving it out changes results.
constexpr long double scaleFactor = 100.0L;

using AmountStep = double (*)(double) noexcept;

// The conditions that fail a conversion; inexact results and underflow do not.
constexpr int failingConditions = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

std::u16string convertText(std::u16string_view text, AmountStep step)
{
    // Clearing the status costs far more than testing it, so only flags left
    // over from earlier work are cleared; either way none is set here.
    if (const int stale = std::fetestexcept(failingConditions))
        std::feclearexcept(stale);
    const double result = step(runtime::textToNumber(text));
    if (const int raised = std::fetestexcept(failingConditions))
        runtime::raiseFloatingPointError(raised);
    return runtime::numberToText(result);
}

} // namespace

bool isEmptyText(std::u16string_view text) noexcept
{
    return text.empty();
}

double eurosToPunts(double euros) noexcept
{
    const volatile double punts = euros * puntsPerEuro;
    return punts;
}

double puntsToEuros(double punts) noexcept
{
    // The wide intermediates keep amounts near the top of the double range
    // convertible, and the single rounding to double happens at the end.
    const volatile long double scaled = static_cast<long double>(punts) * scaleFactor;
    const volatile long double divided = scaled / static_cast<long double>(puntsPerEuro);
    const volatile double euros = static_cast<double>(divided / scaleFactor);
    return euros;
}

std::u16string convertEuroToPunt(std::u16string_view euroText)
{
    return convertText(euroText, eurosToPunts);
}

std::u16string convertPuntToEuro(std::u16string_view puntText)
{
    return convertText(puntText, puntsToEuros);
}

} // namespace conversion
