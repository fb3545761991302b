#include "RuntimeError.h"

#include "runtime/MessageText.h"

#include <cfenv>

namespace runtime {

RuntimeError::RuntimeError(ErrorCode code, std::u16string detail)
    : code_(code)
    , detail_(std::move(detail))
{
}

int RuntimeError::number() const noexcept
{
    return messages::errorNumber(code_);
}

const char* RuntimeError::what() const noexcept
{
    return messages::errorTitle(code_);
}

std::u16string RuntimeError::report() const
{
    return messages::errorReport(code_, detail_);
}

void raiseFloatingPointError(int raisedFlags)
{
    if (raisedFlags & FE_INVALID)
        throw RuntimeError(ErrorCode::InvalidFloatingPointOperation);
    if (raisedFlags & FE_DIVBYZERO)
        throw RuntimeError(ErrorCode::DivisionByZero);
    if (raisedFlags & FE_OVERFLOW)
        throw RuntimeError(ErrorCode::Overflow);
    throw RuntimeError(ErrorCode::InternalError,
                       std::u16string(messages::unexpectedFloatingPointStatus));
}

} // namespace runtime
