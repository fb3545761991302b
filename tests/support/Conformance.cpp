#include "Conformance.h"

#include "runtime/Ascii.h"
#include "runtime/MessageText.h"
#include "runtime/WindowContract.h"
#include "window/ControlNames.h"
#include "window/FrmEuro.h"

#include "Checks.h"

#include <array>

namespace conformance {

namespace {

using namespace window::names;
const runtime::WindowDefinition& definition = window::frmEuroDefinition;

template <const std::string_view& button>
void recordClick(runtime::Host&)
{
    clicks().emplace_back(button);
}

const std::array<runtime::ClickBinding, 4> recordingBindings{{
    {cmdConvertEuroToPunt, recordClick<cmdConvertEuroToPunt>},
    {cmdConvertPuntToEuro, recordClick<cmdConvertPuntToEuro>},
    {cmdClear, recordClick<cmdClear>},
    {cmdExit, recordClick<cmdExit>},
}};

struct KeyRow {
    std::string name;
    std::string_view focus;
    Key key;
    char letter;
    std::vector<std::string> clicked;
};

std::vector<KeyRow> keyRows()
{
    const auto only = [](std::string_view button) { return std::vector{std::string(button)}; };
    std::vector<KeyRow> rows{
        {"Enter on a button", cmdClear, Key::Enter, 0, only(cmdClear)},
        {"keypad Enter on a button", cmdClear, Key::KeypadEnter, 0, only(cmdClear)},
        {"held Enter on a button clicks once", cmdExit, Key::HeldEnter, 0, only(cmdExit)},
        {"Space on a button", cmdConvertPuntToEuro, Key::Space, 0, only(cmdConvertPuntToEuro)},
        {"Escape on a button", cmdClear, Key::Escape, 0, {}},
        {"Enter in a field", txtEuro, Key::Enter, 0, {}},
        {"Escape in a field", txtPunt, Key::Escape, 0, {}},
        {"Alt+N in the euro field", txtEuro, Key::AltLetter, 'n', only(cmdConvertEuroToPunt)},
        {"Alt+O in the punt field", txtPunt, Key::AltLetter, 'o', only(cmdConvertPuntToEuro)},
        {"Alt+O on a button", cmdExit, Key::AltLetter, 'o', only(cmdConvertPuntToEuro)},
        {"Alt+C on Exit", cmdExit, Key::AltLetter, 'c', only(cmdClear)},
        {"Alt+X on a button", cmdClear, Key::AltLetter, 'x', only(cmdExit)},
    };
    for (const std::string_view button :
         {cmdExit, cmdConvertPuntToEuro, cmdClear, cmdConvertEuroToPunt})
        for (const char letter : {'x', 'c', 'n', 'o', 'X', 'a'})
            rows.push_back({std::string(1, letter) + " alone on " + std::string(button),
                            button,
                            Key::Letter,
                            letter,
                            {}});
    return rows;
}

} // namespace

std::vector<std::string>& clicks()
{
    static std::vector<std::string> recorded;
    return recorded;
}

const runtime::ProgramDescriptor& recordingProgram()
{
    static const runtime::ProgramDescriptor program = [] {
        runtime::ProgramDescriptor recording = window::program;
        recording.clickBindings = recordingBindings;
        return recording;
    }();
    return program;
}

std::vector<std::string> run(Adapter& adapter)
{
    std::vector<std::string> failures;
    std::string row;
    const auto expect = [&](bool held, std::string_view what) {
        if (!held)
            failures.push_back(row + ": " + std::string(what));
    };

    std::vector<std::string> cycle; // Tab's round, from the first focus
    for (const runtime::ControlDefinition* control : runtime::tabOrder(definition))
        if (runtime::takesFocus(*control))
            cycle.emplace_back(control->name);
    row = "the first focus";
    adapter.reset(true);
    expect(adapter.focused() == runtime::firstFocus(definition)->name, "focus");
    for (const Key key : {Key::Tab, Key::ShiftTab}) {
        row = key == Key::Tab ? "Tab" : "Shift+Tab";
        adapter.reset(true);
        adapter.focus(cycle.front());
        for (std::size_t step = 1; step <= cycle.size(); ++step) {
            adapter.press(key);
            const std::size_t at = key == Key::Tab ? step : cycle.size() - step;
            expect(adapter.focused() == cycle[at % cycle.size()], cycle[at % cycle.size()]);
        }
    }

    for (const KeyRow& keys : keyRows()) {
        row = keys.name;
        runtime::Host& host = adapter.reset(true);
        host.setFieldText(txtEuro, u"10");
        host.setFieldText(txtPunt, u"1");
        adapter.focus(keys.focus);
        adapter.press(keys.key, keys.letter);
        expect(clicks() == keys.clicked, "buttons clicked");
        expect(adapter.focused() == keys.focus, "focus kept");
        expect(host.fieldText(txtEuro) == u"10" && host.fieldText(txtPunt) == u"1", "fields");
    }

    for (const runtime::ClickBinding& binding : window::program.clickBindings) {
        row = "a click on " + std::string(binding.control);
        adapter.reset(true);
        adapter.click(binding.control);
        expect(clicks() == std::vector{std::string(binding.control)}, "buttons clicked");
    }

    runtime::Host& host = adapter.reset(true);
    for (const std::string_view field : {txtEuro, txtPunt})
        for (const std::u16string_view text : {u"-1.6973807842918E+307", u"€ ١٢ \U0001F4B6", u""}) {
            row = std::string(field) + " holding " + utf8(text);
            host.setFieldText(field, text);
            expect(host.fieldText(field) == text, "text read back");
        }
    row = "no field of that name";
    const int fieldAccess = numberOf(runtime::ErrorCode::FieldAccessFailed);
    expect(raisedErrorNumber([&] { host.fieldText("txtNone"); }) == fieldAccess, "read");
    expect(raisedErrorNumber([&] { host.setFieldText(cmdClear, u"x"); }) == fieldAccess, "write");

    const auto mismatch = runtime::ErrorCode::TypeMismatch;
    const std::u16string mismatchLine =
        u"Run-time error " + runtime::widenAscii(std::to_string(numberOf(mismatch))) + u": " +
        runtime::widenAscii(runtime::messages::errorTitle(mismatch));
    const struct {
        const char* name;
        std::string_view source, other;
        char accessKey;
        std::u16string_view text, promptEnd;
    } boxRows[] = {
        {"an empty punt field", txtPunt, txtEuro, 'o', u"", runtime::messages::emptyField},
        {"letters in the euro field", txtEuro, txtPunt, 'n', u"abc", mismatchLine},
    };
    for (const auto& box : boxRows) {
        row = box.name;
        runtime::Host& shown = adapter.reset(false);
        shown.setFieldText(box.source, box.text);
        shown.setFieldText(box.other, u"7");
        adapter.focus(box.source);
        adapter.watchBoxes();
        adapter.press(Key::AltLetter, box.accessKey);
        const std::vector<SeenBox> seen = adapter.boxes();
        expect(seen.size() == 1, "one box");
        for (const SeenBox& each : seen) {
            expect(each.title == definition.title, "title");
            expect(each.prompt.ends_with(box.promptEnd), "prompt");
            expect(each.buttons == 1 && each.plain, "OK alone, plain");
        }
        expect(shown.fieldText(box.source) == box.text && shown.fieldText(box.other) == u"7",
               "fields kept");
        expect(adapter.focused() == box.source, "focus back");
    }
    return failures;
}

} // namespace conformance
