#pragma once

#include <exception>
#include <string>

namespace runtime {

// The run-time errors the program can meet.  Each one's number, title and
// words are a row of one table in MessageText.cpp, in this order.
enum class ErrorCode {
    InvalidFloatingPointOperation,
    Overflow,
    OutOfMemory,
    DivisionByZero,
    TypeMismatch,
    InternalError,
    FieldAccessFailed,
};

// The one error type of the program: raised where a run-time error arises,
// never caught by the handlers, reported by deliverClick().
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorCode code, std::u16string detail = {});

    ErrorCode code() const noexcept { return code_; }
    // The number users of such desktop tools know the error by.
    int number() const noexcept;
    // What went wrong in this instance and what to do instead, in plain
    // words; may be empty.
    const std::u16string& detail() const noexcept { return detail_; }

    // The text shown to the user: the detail (or the error's own words when
    // there is none), then the number and title.
    std::u16string report() const;

    // The error's title, e.g. "Type mismatch".
    const char* what() const noexcept override;

private:
    ErrorCode code_;
    std::u16string detail_;
};

// Raises the run-time error for a floating-point status that shows an invalid
// operation, a division by zero or an overflow (the <cfenv> FE_* flags).
[[noreturn]] void raiseFloatingPointError(int raisedFlags);

} // namespace runtime
