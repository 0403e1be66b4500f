#pragma once

#include "form/form.h"
#include "platform/host.h"

#include <QString>

// The four calculations of total = (spur ÷ pinion) × secondary ratio, and the
// star that chooses which of them the next SET press runs.
namespace GearCalc {

enum class Quantity { Secondary, Spur, Pinion, Total };

inline const QString Star = QStringLiteral("★");

// Puts the star on the selector of that quantity and announces it.
void select(Form& form, Quantity quantity);

// The quantity whose selector carries the star (the total when none does).
Quantity starred(const Form& form);

// Runs the starred calculation. Missing or unusable inputs are reported
// through the host and leave every caption but the status line unchanged.
void CalculateSelected(Form& form, Host& host);

} // namespace GearCalc
