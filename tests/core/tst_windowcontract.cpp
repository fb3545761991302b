#include "runtime/WindowContract.h"

#include "runtime/FieldHandles.h"

#include "Checks.h"

#include <doctest/doctest.h>

#include <stdexcept>
#include <vector>

using runtime::ControlKind;

namespace {

void handler(runtime::Host&) {}
void otherHandler(runtime::Host&) {}

constexpr runtime::ControlDefinition controls[] = {
    {"cmdLater", ControlKind::PushButton, u"&Later", 0, 0, 10, 10, {}, {}, 1},
    {"lblField", ControlKind::Label, u"Field", 0, 0, 10, 10, {}, {}, 2},
    {"txtField", ControlKind::TextField, u"", 0, 0, 10, 10, {}, {}, 1},
    {"cmdFirst", ControlKind::PushButton, u"&First", 0, 0, 10, 10, {}, {}, 0},
};
constexpr runtime::Buddy fieldBuddy{"lblField", "txtField"};

runtime::WindowDefinition testDefinition(std::span<const runtime::Buddy> buddies = {&fieldBuddy, 1})
{
    return {"frmTest", u"Test", 100, 100, {}, {}, {}, controls, {}, buddies};
}

} // namespace

TEST_CASE("a descriptor is checked against its definition")
{
    const runtime::ClickBinding first{"cmdFirst", handler};
    const runtime::ClickBinding onLabel{"lblField", handler};
    const runtime::ClickBinding onNothing{"cmdNone", handler};
    const runtime::Buddy fromField{"txtField", "cmdFirst"};
    const runtime::Buddy toNothing{"lblField", "txtNone"};
    const struct {
        std::string_view name;
        std::string_view startupObject;
        runtime::ClickBinding binding;
        runtime::Buddy buddy;
        bool sound;
    } rows[] = {
        {"sound", "frmTest", first, fieldBuddy, true},
        {"start-up object is another window", "frmOther", first, fieldBuddy, false},
        {"click bound to a label", "frmTest", onLabel, fieldBuddy, false},
        {"click bound to no control", "frmTest", onNothing, fieldBuddy, false},
        {"buddy from a field", "frmTest", first, fromField, false},
        {"buddy to no control", "frmTest", first, toNothing, false},
    };
    for (const auto& row : rows) {
        INFO(row.name);
        const runtime::WindowDefinition definition = testDefinition({&row.buddy, 1});
        const runtime::ProgramDescriptor program{
            row.startupObject, definition, {&row.binding, 1}, {}, {}, {}};
        if (row.sound)
            CHECK(&runtime::checkedDescriptor(program) == &program);
        else
            CHECK_THROWS_AS(runtime::checkedDescriptor(program), std::logic_error);
    }
}

TEST_CASE("the window's rules as each host applies them")
{
    const runtime::WindowDefinition definition = testDefinition();
    // Rows by their place in the table: 0 cmdLater, 1 lblField, 2 txtField, 3 cmdFirst.
    using Rows = std::vector<const runtime::ControlDefinition*>;
    CHECK(runtime::tabOrder(definition) ==
          Rows{&controls[3], &controls[0], &controls[2], &controls[1]});
    CHECK(runtime::creationOrder(definition) ==
          Rows{&controls[3], &controls[0], &controls[1], &controls[2]});

    CHECK(runtime::firstFocus(definition) == &controls[3]);

    // A handle per field, found once; any other name is a run-time error.
    const runtime::FieldHandles<const char*> fields(
        definition, [](std::string_view name) { return name == "txtField" ? "edit" : nullptr; });
    CHECK(std::string_view(fields.require("txtField")) == "edit");
    try {
        fields.require("cmdFirst");
        FAIL_CHECK("a button was taken for a field");
    } catch (const runtime::RuntimeError& error) {
        CHECK(error.code() == runtime::ErrorCode::FieldAccessFailed);
        CHECK(error.detail() == runtime::messages::noSuchField("cmdFirst"));
    }
    CHECK_THROWS_AS(runtime::FieldHandles<const char*>(
                        definition, [](std::string_view) -> const char* { return nullptr; }),
                    std::logic_error);

    const runtime::ClickBinding bindings[] = {{"cmdFirst", handler}, {"cmdLater", otherHandler}};
    CHECK((runtime::clickHandlerOf(bindings, "cmdLater") == &otherHandler));
    CHECK((runtime::clickHandlerOf(bindings, "txtField") == nullptr));
}

// Which key clicks which button on each host: tests/support/Conformance.cpp.
TEST_CASE("an access key is the character after a single &")
{
    const struct {
        std::u16string_view caption;
        char16_t key;
    } captions[] = {
        {u"Co&nvert", u'N'}, {u"&x", u'X'},        {u"E&xit&", u'X'}, {u"No key", 0},
        {u"Trailing&", 0},   {u"A && B &c", u'C'}, {u"&&", 0},
    };
    for (const auto& row : captions) {
        INFO(utf8(row.caption));
        CHECK(runtime::accessKey(row.caption) == row.key);
    }
}
