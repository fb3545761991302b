#include "FakeHost.h"

#include "runtime/RuntimeError.h"

#include "Checks.h"

std::string FakeHost::field(std::string_view name) const
{
    const auto found = fields.find(name);
    return found == fields.end() ? std::string() : utf8(found->second);
}

void FakeHost::setField(std::string_view name, std::u16string_view text)
{
    fields.insert_or_assign(std::string(name), runtime::FieldText(text));
}

runtime::FieldText FakeHost::fieldText(std::string_view field)
{
    calls.push_back("read " + std::string(field));
    if (field == failingRead)
        throw runtime::RuntimeError(runtime::ErrorCode::FieldAccessFailed, u"read failed");
    const auto found = fields.find(field);
    return found == fields.end() ? runtime::FieldText() : found->second;
}

void FakeHost::setFieldText(std::string_view field, std::u16string_view text)
{
    calls.push_back("write " + std::string(field) + ": " + utf8(text));
    if (field == failingWrite)
        throw runtime::RuntimeError(runtime::ErrorCode::FieldAccessFailed, u"write failed");
    fields.insert_or_assign(std::string(field), runtime::FieldText(text));
}

void FakeHost::showMessage(std::u16string_view prompt)
{
    calls.push_back("message: " + utf8(prompt.substr(prompt.find_last_of(u'\n') + 1)));
}

void FakeHost::announce(std::u16string_view sentence)
{
    calls.push_back("announce: " + utf8(sentence));
}

void FakeHost::end()
{
    calls.push_back("end");
}

doctest::String
doctest::StringMaker<std::vector<std::string>>::convert(const std::vector<std::string>& lines)
{
    std::string text = "{";
    for (const auto& line : lines)
        text += "\n  \"" + line + "\"";
    text += "\n}";
    return text.c_str();
}
