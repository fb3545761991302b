#include "window/CommandHandlers.h"

#include "runtime/ClickDispatch.h"
#include "runtime/MessageText.h"
#include "window/ControlNames.h"

#include "Checks.h"
#include "FakeHost.h"

#include <doctest/doctest.h>

#include <algorithm>

namespace names = window::names;

namespace {

// Clicks a button as the host does: through its binding and the dispatcher.
void click(FakeHost& host, std::string_view button)
{
    const auto binding = std::find_if(window::clickBindings.begin(), window::clickBindings.end(),
                                      [&](const auto& b) { return b.control == button; });
    REQUIRE_MESSAGE(binding != window::clickBindings.end(), "button has no handler");
    runtime::deliverClick(host, binding->handler);
}

const std::string emptyMessage = "message: " + utf8(runtime::messages::emptyField);

} // namespace

TEST_CASE("each button is bound once")
{
    for (const auto button : {names::cmdConvertEuroToPunt, names::cmdConvertPuntToEuro,
                              names::cmdClear, names::cmdExit}) {
        INFO(button);
        CHECK(std::count_if(window::clickBindings.begin(), window::clickBindings.end(),
                            [&](const auto& b) { return b.control == button; }) == 1);
    }
}

TEST_CASE("buttons")
{
    const struct {
        std::string_view name;
        std::string_view button;
        std::u16string_view euroBefore;
        std::u16string_view puntBefore;
        std::vector<std::string> calls;
        std::string_view euroAfter;
        std::string_view puntAfter;
    } rows[] = {
        // clang-format off
        // name                                                   button                      euro     punt      calls                                                                               euro after           punt after
        {"euros to punts, punt field replaced",                   names::cmdConvertEuroToPunt, u"10",  u"old",   {"read txtEuro", "write txtPunt: 7.87564", "announce: 7.87564 punts"},              "10",                "7.87564"},
        {"punts to euros, euro field replaced",                   names::cmdConvertPuntToEuro, u"old", u"1",     {"read txtPunt", "write txtEuro: 1.26973807842918", "announce: 1.26973807842918 euros"}, "1.26973807842918", "1"},
        {"empty euro field: message, punt field kept",            names::cmdConvertEuroToPunt, u"",    u"7",     {"read txtEuro", emptyMessage},                                                     "",                  "7"},
        {"empty punt field: the same message, euro field kept",   names::cmdConvertPuntToEuro, u"7",   u"",      {"read txtPunt", emptyMessage},                                                     "7",                 ""},
        {"blank euro field is converted, not refused as empty",   names::cmdConvertEuroToPunt, u"  ",  u"3",     {"read txtEuro", "message: Run-time error 13: Type mismatch"},                      "  ",                "3"},
        {"letters in punt field: type mismatch, both kept",       names::cmdConvertPuntToEuro, u"1",   u"12abc", {"read txtPunt", "message: Run-time error 13: Type mismatch"},                      "1",                 "12abc"},
        {"clear empties punt, then euro",                         names::cmdClear,             u"1",   u"2",     {"write txtPunt: ", "write txtEuro: ", "announce: Both fields are empty"},          "",                  ""},
        {"exit ends, fields untouched",                           names::cmdExit,              u"1",   u"2",     {"end"},                                                                            "1",                 "2"},
        // clang-format on
    };
    for (const auto& row : rows) {
        INFO(row.name);
        FakeHost host;
        host.setField(names::txtEuro, row.euroBefore);
        host.setField(names::txtPunt, row.puntBefore);
        click(host, row.button);
        CHECK(host.calls == row.calls);
        host.calls.clear();
        click(host, row.button); // a second click does the same again
        CHECK(host.calls == row.calls);
        CHECK(host.field(names::txtEuro) == row.euroAfter);
        CHECK(host.field(names::txtPunt) == row.puntAfter);
    }
}

// The error reaches the user and the target keeps its text.
TEST_CASE("a failed field access")
{
    const struct {
        std::string_view name;
        std::string failingRead;
        std::string failingWrite;
    } rows[] = {
        {"source cannot be read", "txtEuro", ""},
        {"target cannot be written", "", "txtPunt"},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        FakeHost host;
        host.setField(names::txtEuro, u"10");
        host.setField(names::txtPunt, u"keep");
        host.failingRead = row.failingRead;
        host.failingWrite = row.failingWrite;
        click(host, names::cmdConvertEuroToPunt);
        CHECK(host.calls.back().starts_with("message: Run-time error 440: Field access failed"));
        CHECK(host.field(names::txtPunt) == "keep");
        CHECK(host.field(names::txtEuro) == "10");
    }
}
