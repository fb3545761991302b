#include "runtime/ClickDispatch.h"

#include "runtime/RuntimeError.h"

#include "FakeRuntime.h"

#include <doctest/doctest.h>

#include <new>
#include <stdexcept>

using runtime::ClickHandler;
using runtime::Runtime;

TEST_CASE("a click reports errors and the program goes on")
{
    const struct {
        std::string_view name;
        ClickHandler handler;
        std::vector<std::string> calls;
    } rows[] = {
        {"handler succeeds",
         [](Runtime& host) { host.setFieldText("txtPunt", u"1"); },
         {"write txtPunt: 1"}},
        {"run-time error after a write",
         [](Runtime& host) {
             host.setFieldText("txtPunt", u"1");
             throw runtime::RuntimeError(runtime::ErrorCode::Overflow);
         },
         {"write txtPunt: 1", "message: Run-time error 6: Overflow"}},
        {"out of memory",
         [](Runtime&) { throw std::bad_alloc(); },
         {"message: Run-time error 7: Out of memory"}},
        {"any other exception",
         [](Runtime&) { throw std::logic_error("bug"); },
         {"message: Run-time error 51: Internal error"}},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        FakeRuntime host;
        runtime::deliverClick(host, row.handler);
        CHECK(host.calls == row.calls);
    }
}
