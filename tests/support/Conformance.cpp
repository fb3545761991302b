#include "Conformance.h"

#include "runtime/Ascii.h"
#include "runtime/MessageText.h"
#include "runtime/WindowContract.h"
#include "window/ControlNames.h"
#include "window/FrmEuro.h"

#include "Checks.h"

#include <array>
#include <utility>

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
    std::string_view clicked; // empty: no button
};

std::vector<KeyRow> keyRows()
{
    std::vector<KeyRow> rows{
        {"Enter on a button", cmdClear, Key::Enter, 0, cmdClear},
        {"keypad Enter on a button", cmdConvertEuroToPunt, Key::KeypadEnter, 0,
         cmdConvertEuroToPunt},
        {"held Enter on a button clicks once", cmdExit, Key::HeldEnter, 0, cmdExit},
        {"Space on a button", cmdConvertPuntToEuro, Key::Space, 0, cmdConvertPuntToEuro},
        {"Escape on a button", cmdClear, Key::Escape, 0, {}},
        {"Enter in a field", txtEuro, Key::Enter, 0, {}},
        {"Escape in a field", txtPunt, Key::Escape, 0, {}},
        {"Alt+N in the euro field", txtEuro, Key::AltLetter, 'n', cmdConvertEuroToPunt},
        {"Alt+O in the punt field", txtPunt, Key::AltLetter, 'o', cmdConvertPuntToEuro},
        {"Alt+O on a button", cmdExit, Key::AltLetter, 'o', cmdConvertPuntToEuro},
        {"Alt+C on Exit", cmdExit, Key::AltLetter, 'c', cmdClear},
        {"Alt+X on a button", cmdClear, Key::AltLetter, 'x', cmdExit},
    };
    for (const std::string_view button :
         {cmdExit, cmdConvertPuntToEuro, cmdClear, cmdConvertEuroToPunt})
        for (const char letter : {'x', 'c', 'n', 'o', 'X', 'a'})
            rows.push_back({"bare " + std::string(1, letter) + " on " + std::string(button),
                            button,
                            Key::Letter,
                            letter,
                            {}});
    return rows;
}

class Checker {
public:
    explicit Checker(std::vector<std::string>& failures)
        : failures_(failures)
    {
    }

    void row(std::string name) { row_ = std::move(name); }
    template <typename Value>
    void equal(const Value& seen, const Value& expected, std::string_view what)
    {
        if (!(seen == expected))
            failures_.push_back(row_ + ": " + std::string(what));
    }

private:
    std::vector<std::string>& failures_;
    std::string row_;
};

std::vector<std::string> focusCycle()
{
    std::vector<std::string> names;
    for (const runtime::ControlDefinition* row : runtime::tabOrder(definition))
        if (runtime::takesFocus(*row))
            names.emplace_back(row->name);
    return names;
}

void checkFocus(Adapter& adapter, Checker& check)
{
    const std::vector<std::string> cycle = focusCycle();
    check.row("the first focus");
    adapter.reset(true);
    check.equal(adapter.focused(), std::string(runtime::firstFocus(definition)->name), "focus");
    for (const Key key : {Key::Tab, Key::ShiftTab}) {
        check.row(key == Key::Tab ? "Tab cycles in tab order" : "Shift+Tab cycles backwards");
        adapter.reset(true);
        adapter.focus(cycle.front());
        for (std::size_t step = 1; step <= cycle.size(); ++step) {
            adapter.press(key);
            const std::size_t at = key == Key::Tab ? step : cycle.size() - step;
            check.equal(adapter.focused(), cycle[at % cycle.size()], "focus at step");
        }
    }
}

void checkKeys(Adapter& adapter, Checker& check)
{
    for (const KeyRow& row : keyRows()) {
        check.row(row.name);
        adapter.reset(true);
        adapter.host().setFieldText(txtEuro, u"10");
        adapter.host().setFieldText(txtPunt, u"1");
        adapter.focus(row.focus);
        adapter.press(row.key, row.letter);
        const std::vector<std::string> expected = row.clicked.empty()
                                                      ? std::vector<std::string>{}
                                                      : std::vector{std::string(row.clicked)};
        check.equal(clicks(), expected, "buttons clicked");
        check.equal(adapter.focused(), std::string(row.focus), "focus kept");
        check.equal(adapter.host().fieldText(txtEuro), runtime::FieldText(u"10"), "euro field");
        check.equal(adapter.host().fieldText(txtPunt), runtime::FieldText(u"1"), "punt field");
    }
}

void checkClicksAndFields(Adapter& adapter, Checker& check)
{
    for (const runtime::ClickBinding& binding : window::program.clickBindings) {
        check.row("a click on " + std::string(binding.control));
        adapter.reset(true);
        adapter.click(binding.control);
        check.equal(clicks(), std::vector{std::string(binding.control)}, "buttons clicked");
    }
    adapter.reset(true);
    for (const runtime::ControlDefinition& row : definition.controls) {
        if (row.kind != runtime::ControlKind::TextField)
            continue;
        for (const std::u16string_view text :
             {std::u16string_view(u"-1.6973807842918E+307"),
              std::u16string_view(u"€ ١٢ \U0001F4B6"), std::u16string_view()}) {
            check.row(std::string(row.name) + " holds " + utf8(text));
            adapter.host().setFieldText(row.name, text);
            check.equal(adapter.host().fieldText(row.name), runtime::FieldText(text), "text");
        }
    }
    const int fieldAccess = numberOf(runtime::ErrorCode::FieldAccessFailed);
    check.row("no field of that name");
    check.equal(raisedErrorNumber([&] { adapter.host().fieldText("txtNone"); }), fieldAccess,
                "read");
    check.equal(raisedErrorNumber([&] { adapter.host().setFieldText(cmdClear, u"x"); }),
                fieldAccess, "write");
}

void checkBoxes(Adapter& adapter, Checker& check)
{
    const std::u16string mismatch =
        u"Run-time error " +
        runtime::widenAscii(std::to_string(numberOf(runtime::ErrorCode::TypeMismatch))) + u": " +
        runtime::widenAscii(runtime::messages::errorTitle(runtime::ErrorCode::TypeMismatch));
    const struct {
        const char* name;
        std::string_view source;
        char accessKey;
        std::u16string_view text;
        std::u16string_view promptEnd;
    } rows[] = {
        {"an empty punt field", txtPunt, 'o', u"", runtime::messages::emptyField},
        {"letters in the euro field", txtEuro, 'n', u"abc", mismatch},
    };
    for (const auto& row : rows) {
        check.row(row.name);
        adapter.reset(false);
        const std::string_view other = row.source == txtPunt ? txtEuro : txtPunt;
        adapter.host().setFieldText(row.source, row.text);
        adapter.host().setFieldText(other, u"7");
        adapter.focus(row.source);
        adapter.watchBoxes();
        adapter.press(Key::AltLetter, row.accessKey);
        const std::vector<SeenBox> boxes = adapter.boxes();
        check.equal(boxes.size(), std::size_t{1}, "one box");
        if (boxes.size() != 1)
            continue;
        check.equal(boxes.front().title, std::u16string(definition.title), "title");
        check.equal(boxes.front().prompt.ends_with(row.promptEnd), true, "prompt");
        check.equal(boxes.front().buttons, 1, "OK alone");
        check.equal(boxes.front().plain, true, "plain");
        check.equal(adapter.host().fieldText(row.source), runtime::FieldText(row.text),
                    "source kept");
        check.equal(adapter.host().fieldText(other), runtime::FieldText(u"7"), "other kept");
        check.equal(adapter.focused(), std::string(row.source), "focus back");
    }
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
    Checker check(failures);
    checkFocus(adapter, check);
    checkKeys(adapter, check);
    checkClicksAndFields(adapter, check);
    checkBoxes(adapter, check);
    return failures;
}

} // namespace conformance
