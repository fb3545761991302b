#include "runtime/RuntimeError.h"

#include "Checks.h"

#include <doctest/doctest.h>

#include <cfenv>

using runtime::ErrorCode;
using runtime::RuntimeError;

TEST_CASE("a report names the number, the title and the detail")
{
    const struct {
        std::string_view name;
        ErrorCode code;
        std::u16string_view detail;
        std::string_view report;
    } rows[] = {
        {"with detail", ErrorCode::TypeMismatch, u"\"abc\" is not a number.",
         "Run-time error 13: Type mismatch\n\n\"abc\" is not a number."},
        {"without detail", ErrorCode::DivisionByZero, u"", "Run-time error 11: Division by zero"},
        {"three-digit number", ErrorCode::FieldAccessFailed, u"txtEuro",
         "Run-time error 440: Field access failed\n\ntxtEuro"},
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
