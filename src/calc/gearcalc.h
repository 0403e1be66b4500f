#pragma once

#include "common/result.h"
#include "form/form.h"

#include <QString>

// The four calculations of total = (spur ÷ pinion) × secondary ratio, and the
// star that chooses which of them the next SET press runs.
namespace GearCalc {

enum class Quantity { Secondary, Spur, Pinion, Total };

// The mark of the chosen calculation, the one definition the window draws too.
inline const QString Star = QStringLiteral("★");

// Puts the star on the selector of that quantity and announces it.
void select(Form& form, Quantity quantity);

// The quantity whose selector carries the star (the total when none does).
Quantity starred(const Form& form);

// The caption that holds a quantity's value (Label6 … Label9).
Control& valueOf(Form& form, Quantity quantity);
// Whether a quantity is a number of teeth, a whole count.
bool isToothCount(Quantity quantity);

// Runs the starred calculation after clearing the status line. Missing or
// unusable inputs give the first problem and leave every caption but the
// status line unchanged.
Result<> CalculateSelected(Form& form);

} // namespace GearCalc
