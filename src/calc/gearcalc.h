#pragma once

#include "calc/inputtext.h"
#include "common/result.h"

#include <QString>
#include <array>
#include <optional>

// The four calculations of total = (spur ÷ pinion) × secondary ratio, and the
// star that chooses which of them the next SET press runs.
namespace GearCalc {

enum class Quantity { Secondary, Spur, Pinion, Total };
constexpr std::array<Quantity, 4> Quantities = {Quantity::Secondary, Quantity::Spur,
                                                Quantity::Pinion, Quantity::Total};

// The mark of the chosen calculation, the one definition the window draws too.
inline const QString Star = QStringLiteral("★");

// What the status line says when a quantity is starred.
QString announcement(Quantity quantity);

// Whether a quantity is a number of teeth, a whole count.
bool isToothCount(Quantity quantity);

// The inputs of one calculation: the four quantities as held (by Quantity),
// the starred one, and whether the other gear count must stay as it is.
struct Setup
{
    std::array<InputText, 4> values;
    Quantity starred = Quantity::Total;
    bool keepOtherGear = false;

    const InputText& operator[](Quantity q) const { return values[size_t(q)]; }
};

// What a calculation changed: the new texts of the quantities it computed (by
// Quantity, none where unchanged) and the status line.
struct Outcome
{
    std::array<std::optional<QString>, 4> values;
    QString status;

    const std::optional<QString>& operator[](Quantity q) const { return values[size_t(q)]; }
};

// Runs the starred calculation. Missing or unusable inputs give the first
// problem, and nothing changes.
Result<Outcome> CalculateSelected(const Setup& setup);

} // namespace GearCalc
