#include "runtime/RuntimeError.h"

#include "Checks.h"

#include <doctest/doctest.h>

#include <cfenv>

using runtime::ErrorCode;
using runtime::RuntimeError;

TEST_CASE("a report leads with plain words, then names the number and title")
{
    const struct {
        std::string_view name;
        ErrorCode code;
        std::u16string_view detail;
        std::string_view report;
    } rows[] = {
        {"with detail", ErrorCode::TypeMismatch, u"\"abc\" is not a number.",
         "\"abc\" is not a number.\n\nRun-time error 13: Type mismatch"},
        {"without detail", ErrorCode::DivisionByZero, u"",
         "The conversion divided by zero.\n\nRun-time error 11: Division by zero"},
        {"three-digit number", ErrorCode::FieldAccessFailed, u"txtEuro",
         "txtEuro\n\nRun-time error 440: Field access failed"},
        {"advice after the plain words", ErrorCode::Overflow, u"",
         "The amount is too large to convert.\n\nType a smaller amount.\n\nRun-time error 6: "
         "Overflow"},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        const RuntimeError error(row.code, std::u16string(row.detail));
        CHECK(utf8(error.report()) == row.report);
    }
}

TEST_CASE("the floating-point status picks the error")
{
    const struct {
        std::string_view name;
        int flags;
        int error;
    } rows[] = {
        {"invalid operation", FE_INVALID, 5},
        {"division by zero", FE_DIVBYZERO, 11},
        {"overflow", FE_OVERFLOW, 6},
        {"overflow with inexact", FE_OVERFLOW | FE_INEXACT, 6},
        {"invalid wins over overflow", FE_OVERFLOW | FE_INVALID, 5},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        CHECK(raisedErrorNumber([&] { runtime::raiseFloatingPointError(row.flags); }) == row.error);
    }
}
