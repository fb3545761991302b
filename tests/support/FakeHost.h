#pragma once

#include "runtime/Host.h"

#include <doctest/doctest.h>

#include <map>
#include <string>
#include <vector>

// A host that keeps field texts in a map and records every call, so a test
// can check what a handler did and in which order.
class FakeHost final : public runtime::Host {
public:
    // One line per call, in UTF-8: "read txtEuro", "write txtPunt: 7.87564",
    // "message: <last line of the prompt>", "announce: <sentence>", "end".  An error report's last
    // line names the error; its wording is tested with the error itself.
    std::vector<std::string> calls;
    std::map<std::string, runtime::FieldText, std::less<>> fields;
    // Reads or writes of the field with this name fail.
    std::string failingRead;
    std::string failingWrite;

    // The field's text in UTF-8; empty for a field never written.
    std::string field(std::string_view name) const;
    void setField(std::string_view name, std::u16string_view text);

    runtime::FieldText fieldText(std::string_view field) override;
    void setFieldText(std::string_view field, std::u16string_view text) override;
    void showMessage(std::u16string_view prompt) override;
    void announce(std::u16string_view sentence) override;
    void end() override;
};

// Prints a call list in a failed check, one call a line.
template <>
struct doctest::StringMaker<std::vector<std::string>> {
    static doctest::String convert(const std::vector<std::string>& lines);
};
