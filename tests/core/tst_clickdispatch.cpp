#include "runtime/ClickDispatch.h"

#include "runtime/RuntimeError.h"

#include "FakeHost.h"

#include <doctest/doctest.h>

#include <new>
#include <stdexcept>

using runtime::ClickHandler;
using runtime::Host;

TEST_CASE("a click reports errors and the program goes on")
{
    const struct {
        std::string_view name;
        ClickHandler handler;
        std::vector<std::string> calls;
    } rows[] = {
        {"handler succeeds",
         [](Host& host) { host.setFieldText("txtPunt", u"1"); },
         {"write txtPunt: 1"}},
        {"run-time error after a write",
         [](Host& host) {
             host.setFieldText("txtPunt", u"1");
             throw runtime::RuntimeError(runtime::ErrorCode::Overflow);
         },
         {"write txtPunt: 1", "message: Run-time error 6: Overflow"}},
        {"out of memory",
         [](Host&) { throw std::bad_alloc(); },
         {"message: Run-time error 7: Out of memory"}},
        {"any other exception",
         [](Host&) { throw std::logic_error("bug"); },
         {"message: Run-time error 51: Internal error"}},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        FakeHost host;
        runtime::deliverClick(host, row.handler);
        CHECK(host.calls == row.calls);
    }
}
