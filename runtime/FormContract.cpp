#include "FormContract.h"

#include "runtime/MessageText.h"
#include "runtime/RuntimeError.h"

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

void checkDescriptor(const ProjectDescriptor& project)
{
    const FormDefinition& form = project.form;
    if (project.startupObject != form.name)
        throw std::logic_error("the start-up object is not the described window");
    for (const ClickBinding& binding : project.clickBindings)
        if (!isKind(findControl(form, binding.control), ControlKind::PushButton))
            throw std::logic_error("a click is bound to no button: " +
                                   std::string(binding.control));
    for (const Buddy& buddy : form.buddies)
        if (!isKind(findControl(form, buddy.label), ControlKind::Label) ||
            !findControl(form, buddy.control))
            throw std::logic_error("a caption link is not from a label to a control: " +
                                   std::string(buddy.label));
}

const ControlDefinition* findControl(const FormDefinition& form, std::string_view name)
{
    const auto found =
        std::find_if(form.controls.begin(), form.controls.end(),
                     [name](const ControlDefinition& row) { return row.name == name; });
    return found == form.controls.end() ? nullptr : &*found;
}

const ControlDefinition& requireField(const FormDefinition& form, std::string_view name)
{
    const ControlDefinition* row = findControl(form, name);
    if (!isKind(row, ControlKind::TextField))
        throw RuntimeError(ErrorCode::FieldAccessFailed, messages::noSuchField(name));
    return *row;
}

std::vector<const ControlDefinition*> tabOrder(const FormDefinition& form)
{
    std::vector<const ControlDefinition*> rows;
    for (const ControlDefinition& row : form.controls)
        rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    return rows;
}

std::vector<const ControlDefinition*> creationOrder(const FormDefinition& form)
{
    std::vector<const ControlDefinition*> rows = tabOrder(form);
    const auto rowNamed = [&rows](std::string_view name) {
        return std::find_if(rows.begin(), rows.end(),
                            [name](const auto* row) { return row->name == name; });
    };
    for (const Buddy& buddy : form.buddies) {
        const auto label = rowNamed(buddy.label);
        if (label == rows.end())
            continue;
        const ControlDefinition* caption = *label;
        rows.erase(label);
        rows.insert(rowNamed(buddy.control), caption);
    }
    return rows;
}

ClickHandler clickHandlerOf(const ProjectDescriptor& project, std::string_view control)
{
    const auto found =
        std::find_if(project.clickBindings.begin(), project.clickBindings.end(),
                     [control](const ClickBinding& b) { return b.control == control; });
    return found == project.clickBindings.end() ? nullptr : found->handler;
}

} // namespace runtime
