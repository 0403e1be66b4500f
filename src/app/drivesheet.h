#pragma once

#include "calc/drive.h"
#include "calc/units.h"
#include "print/driveprintout.h"

#include <optional>

// The texts of the 走行計算 window, one table of the sheet at a time, the
// same on screen and on paper. Lengths and speeds come in the units given,
// from the metric values the model keeps; the module stays in mm.
namespace DriveSheet {

using Units::System;

using Table = DrivePrintOut::Table;

// Stands for a figure that needs an input the user has not given.
inline const QString None = QStringLiteral("―");

Table current(const Drive::Setup& setup, const std::optional<Drive::Figures>& figures,
              std::optional<double> module, System units = System::Metric);
// Tyre, motor and module in one line, for the page.
QString conditions(const Drive::Inputs& inputs, std::optional<double> module,
                   System units = System::Metric);
Table steps(const QList<Drive::ToothStep>& steps, const Drive::Gear& gear,
            System units = System::Metric);

// One side of the before/after comparison.
struct Side
{
    Drive::Setup setup;
    QString tyre; // mm, as kept
    std::optional<Drive::Figures> figures;
};
// before: none until a reference was taken. problem: why there is no change.
Table reference(const std::optional<Side>& before, const Side& after,
                const std::optional<Drive::Change>& change, const QString& problem,
                System units = System::Metric);

Table pitches(const Drive::Result<QList<Drive::Equivalent>>& found, System units = System::Metric);

// The formulas, for the explanation button.
QString explanation();
// Under the rollout table on paper.
QString note();

} // namespace DriveSheet
