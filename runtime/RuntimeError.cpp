#include "RuntimeError.h"

#include "runtime/Ascii.h"

#include <cfenv>
#include <charconv>

namespace runtime {

namespace {

const char* titleOf(ErrorCode code) noexcept
{
    switch (code) {
    case ErrorCode::InvalidFloatingPointOperation:
        return "Invalid floating-point operation";
    case ErrorCode::Overflow:
        return "Overflow";
    case ErrorCode::OutOfMemory:
        return "Out of memory";
    case ErrorCode::DivisionByZero:
        return "Division by zero";
    case ErrorCode::TypeMismatch:
        return "Type mismatch";
    case ErrorCode::InternalError:
        return "Internal error";
    case ErrorCode::FieldAccessFailed:
        return "Field access failed";
    }
    return "Unknown error";
}

// What the user reads first when an error brings no explanation of its own.
const char16_t* plainWordsOf(ErrorCode code) noexcept
{
    switch (code) {
    case ErrorCode::InvalidFloatingPointOperation:
        return u"The conversion did not give a number.";
    case ErrorCode::Overflow:
        return u"The amount is too large to convert.";
    case ErrorCode::OutOfMemory:
        return u"There was not enough memory to finish.";
    case ErrorCode::DivisionByZero:
        return u"The conversion divided by zero.";
    case ErrorCode::TypeMismatch:
        return u"The text is not a number.";
    case ErrorCode::InternalError:
        return u"Something went wrong inside the program.";
    case ErrorCode::FieldAccessFailed:
        return u"A field could not be read or written.";
    }
    return u"Something went wrong.";
}

} // namespace

RuntimeError::RuntimeError(ErrorCode code, std::u16string detail)
    : code_(code)
    , detail_(std::move(detail))
{
}

const char* RuntimeError::what() const noexcept
{
    return titleOf(code_);
}

std::u16string RuntimeError::report() const
{
    char number[16];
    const auto end = std::to_chars(std::begin(number), std::end(number), this->number()).ptr;

    std::u16string text = detail_.empty() ? plainWordsOf(code_) : detail_;
    text += u"\n\nRun-time error ";
    text += widenAscii({number, end});
    text += u": ";
    text += widenAscii(titleOf(code_));
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
