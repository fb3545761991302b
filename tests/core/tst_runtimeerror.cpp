#include "runtime/RuntimeError.h"

#include "Checks.h"

#include <doctest/doctest.h>

#include <cfenv>

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
