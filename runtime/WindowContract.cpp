#include "WindowContract.h"

#include "runtime/Ascii.h"
#include "runtime/MessageText.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace runtime {

namespace {

bool isKind(const ControlDefinition* row, ControlKind kind)
{
    return row && row->kind == kind;
}

} // namespace

void checkDescriptor(const ProgramDescriptor& program)
{
    const WindowDefinition& definition = program.definition;
    if (program.startupObject != definition.name)
        throw std::logic_error(messages::startupObjectIsNotTheWindow());
    for (const ClickBinding& binding : program.clickBindings)
        if (!isKind(findControl(definition, binding.control), ControlKind::PushButton))
            throw std::logic_error(messages::clickBoundToNoButton(binding.control));
    for (const Buddy& buddy : definition.buddies)
        if (!isKind(findControl(definition, buddy.label), ControlKind::Label) ||
            !findControl(definition, buddy.control))
            throw std::logic_error(messages::buddyBroken(buddy.label));
}

const ProgramDescriptor& checkedDescriptor(const ProgramDescriptor& program)
{
    checkDescriptor(program);
    return program;
}

const ControlDefinition* findControl(const WindowDefinition& definition, std::string_view name)
{
    const auto found =
        std::find_if(definition.controls.begin(), definition.controls.end(),
                     [name](const ControlDefinition& row) { return row.name == name; });
    return found == definition.controls.end() ? nullptr : &*found;
}

bool takesFocus(const ControlDefinition& row)
{
    return row.kind != ControlKind::Label;
}

std::vector<const ControlDefinition*> tabOrder(const WindowDefinition& definition)
{
    std::vector<const ControlDefinition*> rows;
    for (const ControlDefinition& row : definition.controls)
        rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    return rows;
}

const ControlDefinition* firstFocus(const WindowDefinition& definition)
{
    const std::vector<const ControlDefinition*> rows = tabOrder(definition);
    const auto found =
        std::find_if(rows.begin(), rows.end(), [](const auto* row) { return takesFocus(*row); });
    return found == rows.end() ? nullptr : *found;
}

std::vector<const ControlDefinition*> creationOrder(const WindowDefinition& definition)
{
    std::vector<const ControlDefinition*> rows = tabOrder(definition);
    const auto rowNamed = [&rows](std::string_view name) {
        return std::find_if(rows.begin(), rows.end(),
                            [name](const auto* row) { return row->name == name; });
    };
    for (const Buddy& buddy : definition.buddies) {
        const auto label = rowNamed(buddy.label);
        if (label == rows.end())
            continue;
        const ControlDefinition* moved = *label;
        rows.erase(label);
        rows.insert(rowNamed(buddy.control), moved);
    }
    return rows;
}

ClickHandler clickHandlerOf(std::span<const ClickBinding> bindings, std::string_view control)
{
    const auto found =
        std::find_if(bindings.begin(), bindings.end(),
                     [control](const ClickBinding& b) { return b.control == control; });
    return found == bindings.end() ? nullptr : found->handler;
}

const ControlDefinition* buttonWithAccessKey(const WindowDefinition& definition, char16_t key)
{
    const auto found = std::find_if(definition.controls.begin(), definition.controls.end(),
                                    [key](const auto& row) {
                                        return row.kind == ControlKind::PushButton && key != 0 &&
                                               accessKey(row.text) == upperAscii(key);
                                    });
    return found == definition.controls.end() ? nullptr : &*found;
}

bool dialogKeyClicks(DialogKey key, const ControlDefinition& focused, bool autoRepeated)
{
    return key == DialogKey::Enter && focused.kind == ControlKind::PushButton && !autoRepeated;
}

} // namespace runtime
