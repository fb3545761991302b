#include "RuntimeError.h"

#include "runtime/Ascii.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <charconv>

namespace runtime {

namespace {

// Each error's title, and what the user reads first when an error brings
// no explanation of its own.
struct ErrorTexts {
    ErrorCode code;
    const char* title;
    const char16_t* plainWords;
};

// clang-format off
constexpr std::array<ErrorTexts, 7> errorTexts{{
    {ErrorCode::InvalidFloatingPointOperation, "Invalid floating-point operation", u"The conversion did not give a number."},
    {ErrorCode::Overflow,                      "Overflow",                         u"The amount is too large to convert."},
    {ErrorCode::OutOfMemory,                   "Out of memory",                    u"There was not enough memory to finish."},
    {ErrorCode::DivisionByZero,                "Division by zero",                 u"The conversion divided by zero."},
    {ErrorCode::TypeMismatch,                  "Type mismatch",                    u"The text is not a number."},
    {ErrorCode::InternalError,                 "Internal error",                   u"Something went wrong inside the program."},
    {ErrorCode::FieldAccessFailed,             "Field access failed",              u"A field could not be read or written."},
}};
// clang-format on

const ErrorTexts& textsOf(ErrorCode code) noexcept
{
    static constexpr ErrorTexts unknown{ErrorCode{}, "Unknown error", u"Something went wrong."};
    const auto found = std::find_if(errorTexts.begin(), errorTexts.end(),
                                    [code](const ErrorTexts& texts) { return texts.code == code; });
    return found == errorTexts.end() ? unknown : *found;
}

} // namespace

RuntimeError::RuntimeError(ErrorCode code, std::u16string detail)
    : code_(code)
    , detail_(std::move(detail))
{
}

const char* RuntimeError::what() const noexcept
{
    return textsOf(code_).title;
}

std::u16string RuntimeError::report() const
{
    char number[16];
    const auto end = std::to_chars(std::begin(number), std::end(number), this->number()).ptr;

    std::u16string text = detail_.empty() ? textsOf(code_).plainWords : detail_;
    text += u"\n\nRun-time error ";
    text += widenAscii({number, end});
    text += u": ";
    text += widenAscii(textsOf(code_).title);
    return text;
}

void raiseFloatingPointError(int raisedFlags)
{
    if (raisedFlags & FE_INVALID)
        throw RuntimeError(ErrorCode::InvalidFloatingPointOperation);
    if (raisedFlags & FE_DIVBYZERO)
        throw RuntimeError(ErrorCode::DivisionByZero);
    if (raisedFlags & FE_OVERFLOW)
        throw RuntimeError(ErrorCode::Overflow,
                           u"The amount is too large to convert.\n\nType a smaller amount.");
    throw RuntimeError(ErrorCode::InternalError, u"Unexpected floating-point status.");
}

} // namespace runtime
