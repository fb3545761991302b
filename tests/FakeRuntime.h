#pragma once

#include "runtime/Runtime.h"

#include <QString>
#include <QStringList>

#include <map>
#include <string>

// A host that keeps field texts in a map and records every call, so a test
// can check what a handler did and in which order.
class FakeRuntime final : public runtime::Runtime {
public:
    // One line per call: "read txtEuro", "write txtPunt: 7.87564",
    // "message: <prompt>", "end".
    QStringList calls;
    std::map<std::string, runtime::FieldText, std::less<>> fields;
    // Reads or writes of the field with this name fail.
    std::string failingRead;
    std::string failingWrite;

    QString field(std::string_view name) const;
    void setField(std::string_view name, const QString& text);

    runtime::FieldText fieldText(std::string_view field) override;
    void setFieldText(std::string_view field, std::u16string_view text) override;
    void showMessage(std::u16string_view prompt) override;
    void end() override;
};
