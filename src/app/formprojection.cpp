#include "formprojection.h"

#include "form/controltable.h"

namespace FormProjection {

namespace {
using GearCalc::Quantity;

struct QuantityControls
{
    Control Form::*value;
    Control Form::*selector;
};

QuantityControls controlsOf(Quantity q)
{
    static const QuantityControls table[] = {
        {&Form::Label6, &Form::Command18},
        {&Form::Label7, &Form::Command19},
        {&Form::Label8, &Form::Command20},
        {&Form::Label9, &Form::Command21},
    };
    return table[size_t(q)];
}
} // namespace

InputText input(const Control& caption)
{
    return {caption.text, !caption.text.isEmpty() && caption.text != u"0"};
}

InputText selector(const Form& form, const Control& selector)
{
    return {selector.text, !selector.text.isEmpty() && selector.text != form.nameOf(selector)};
}

std::optional<QString> car(const Form& form)
{
    const ControlSpec* title = ControlTable::find(ControlId::Label13);
    if (title && form.machineTitle().text == title->caption)
        return std::nullopt;
    return form.machineTitle().text.trimmed();
}

Control& valueOf(Form& form, Quantity quantity) { return form.*controlsOf(quantity).value; }

Quantity starred(const Form& form)
{
    for (Quantity q : GearCalc::Quantities)
        if ((form.*controlsOf(q).selector).text == GearCalc::Star)
            return q;
    return Quantity::Total;
}

void select(Form& form, Quantity quantity)
{
    for (Quantity q : GearCalc::Quantities)
        (form.*controlsOf(q).selector).text = q == quantity ? GearCalc::Star : QString();
    form.statusLine().text = GearCalc::announcement(quantity);
}

GearCalc::Setup gearSetup(const Form& form)
{
    GearCalc::Setup setup;
    for (Quantity q : GearCalc::Quantities)
        setup.values[size_t(q)] = input(form.*controlsOf(q).value);
    setup.starred = starred(form);
    setup.keepOtherGear = form.keepOtherGear().checked;
    return setup;
}

void show(Form& form, const Result<GearCalc::Outcome>& outcome)
{
    form.statusLine().text.clear();
    if (!outcome)
        return;
    for (Quantity q : GearCalc::Quantities)
        if (const auto& text = (*outcome)[q])
            valueOf(form, q).text = *text;
    form.statusLine().text = outcome->status;
}

Ranges::Selection selection(const Form& form)
{
    return {selector(form, form.spurRangeStart()),   selector(form, form.spurRangeWidth()),
            selector(form, form.pinionRangeStart()), selector(form, form.pinionRangeWidth()),
            selector(form, form.spurInterval()),     selector(form, form.pinionInterval())};
}

Survey::Inputs surveyInputs(const Form& form)
{
    return {form.totalRatio().text, form.secondaryRatio().text, selection(form),
            form.module().text};
}

void show(Form& form, const Survey::Outcome& outcome)
{
    select(form, Quantity::Total);
    form.statusLine().text = outcome.status;
    if (outcome.taken) {
        form.spurTeeth().text = outcome.taken->spur;
        form.pinionTeeth().text = outcome.taken->pinion;
        form.totalRatio().text = outcome.taken->total;
    }
}

void show(Form& form, const std::optional<RangeLabels::Captions>& captions)
{
    if (!captions)
        return;
    form.spurRangeLabel().text = captions->spur;
    form.pinionRangeLabel().text = captions->pinion;
}

} // namespace FormProjection
