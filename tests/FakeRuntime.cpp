#include "FakeRuntime.h"

#include "hosts/qt/QtText.h"
#include "runtime/RuntimeError.h"

using qthost::toQString;

QString FakeRuntime::field(std::string_view name) const
{
    const auto found = fields.find(name);
    return found == fields.end() ? QString() : toQString(std::u16string_view(found->second));
}

void FakeRuntime::setField(std::string_view name, const QString& text)
{
    fields.insert_or_assign(std::string(name), text.toStdU16String());
}

runtime::FieldText FakeRuntime::fieldText(std::string_view field)
{
    calls << QStringLiteral("read ") + toQString(field);
    if (field == failingRead)
        throw runtime::RuntimeError(runtime::ErrorCode::FieldAccessFailed, u"read failed");
    const auto found = fields.find(field);
    return found == fields.end() ? runtime::FieldText() : found->second;
}

void FakeRuntime::setFieldText(std::string_view field, std::u16string_view text)
{
    calls << QStringLiteral("write %1: %2").arg(toQString(field), toQString(text));
    if (field == failingWrite)
        throw runtime::RuntimeError(runtime::ErrorCode::FieldAccessFailed, u"write failed");
    fields.insert_or_assign(std::string(field), runtime::FieldText(text));
}

void FakeRuntime::showMessage(std::u16string_view prompt)
{
    calls << QStringLiteral("message: ") + toQString(prompt);
}

void FakeRuntime::end()
{
    calls << QStringLiteral("end");
}
