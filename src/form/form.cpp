#include "form.h"

#include "controltable.h"

#include <array>
#include <optional>

namespace {
using Member = Control Form::*;

// Each control's member by its id; none for the grid and the menus.
constexpr std::array<Member, ControlIds::Count> Members = [] {
    std::array<Member, ControlIds::Count> members{};
#define ZELTAN_MEMBER(name, ...) members[ControlIds::index(ControlId::name)] = &Form::name;
    ZELTAN_CONTROLS(ZELTAN_MEMBER, ZELTAN_MEMBER, ZELTAN_MEMBER, ZELTAN_MEMBER)
#undef ZELTAN_MEMBER
    return members;
}();

// The id of one of the form's controls.
std::optional<ControlId> idOf(const Form& form, const Control& control)
{
    for (std::size_t i = 0; i < Members.size(); ++i)
        if (Members[i] && &(form.*Members[i]) == &control)
            return static_cast<ControlId>(i);
    return std::nullopt;
}
} // namespace

Form::Form()
{
    for (const ControlSpec& desc : ControlTable::controls())
        if (Control* c = control(desc.id))
            resetToDesign(*c);
}

void Form::resetToDesign(Control& c) const
{
    const std::optional<ControlId> id = idOf(*this, c);
    if (const ControlSpec* desc = id ? ControlTable::find(*id) : nullptr) {
        c.text = desc->caption;
        c.visible = !desc->hiddenAtStart;
    }
}

QString Form::shown(const Control& c) const
{
    const std::optional<ControlId> id = idOf(*this, c);
    const ControlSpec* desc = id ? ControlTable::find(*id) : nullptr;
    return desc ? ControlTable::shownText(*desc, c.text) : c.text;
}

Control* Form::control(ControlId id)
{
    const Member member = Members[ControlIds::index(id)];
    return member ? &(this->*member) : nullptr;
}

const Control* Form::control(ControlId id) const { return const_cast<Form*>(this)->control(id); }

Control* Form::control(QStringView name)
{
    const std::optional<ControlId> id = ControlTable::idOf(name);
    return id ? control(*id) : nullptr;
}

const Control* Form::control(QStringView name) const
{
    return const_cast<Form*>(this)->control(name);
}

QString Form::nameOf(const Control& control) const
{
    const std::optional<ControlId> id = idOf(*this, control);
    return id ? ControlTable::nameOf(*id) : QString();
}
