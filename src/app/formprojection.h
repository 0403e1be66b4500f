#pragma once

#include "calc/gearcalc.h"
#include "calc/rangelabels.h"
#include "calc/ranges.h"
#include "calc/survey.h"
#include "common/result.h"
#include "form/form.h"

#include <optional>

// The one place where the window's controls become the calculations' values
// and their results become the controls' texts. The window's rules of what
// counts as set live here, so calc/ receives them decided.
namespace FormProjection {

// An input caption that is empty or exactly "0" counts as not set.
InputText input(const Control& caption);
// A selector never set shows its own control name ("Combo1"); that, or
// nothing at all, counts as not set.
InputText selector(const Form& form, const Control& selector);

// The car the machine title names; none while it shows its own design
// caption, which names no car.
std::optional<QString> car(const Form& form);

// The caption that holds a quantity's value (Label6 … Label9).
Control& valueOf(Form& form, GearCalc::Quantity quantity);
// The quantity whose selector carries the star (the total when none does).
GearCalc::Quantity starred(const Form& form);
// Puts the star on the selector of that quantity and announces it.
void select(Form& form, GearCalc::Quantity quantity);

// The four quantities, the star and 計算時に一方のギア数を変更しない.
GearCalc::Setup gearSetup(const Form& form);
// The status line cleared, then what the calculation changed; a refused
// calculation leaves every other caption as it was.
void show(Form& form, const Result<GearCalc::Outcome>& outcome);

Ranges::Selection selection(const Form& form);
Survey::Inputs surveyInputs(const Form& form);
// The total's star, the status line and the closest pair, when one was taken.
void show(Form& form, const Survey::Outcome& outcome);
// The range captions; none leaves them as they were.
void show(Form& form, const std::optional<RangeLabels::Captions>& captions);

} // namespace FormProjection
