#pragma once

#include "calc/ranges.h"
#include "form/form.h"
#include "platform/host.h"

#include <optional>

// The ratio grid: pinions down, spurs across, the total ratio in each cell.
namespace RatioGrid {

constexpr int BaseRows = 31; // header plus 30 data rows
constexpr int BaseCols = 31;
constexpr int WidthTwips = 5535;
constexpr int HeightTwips = 8175;

// The start-up layout: hidden, emptied, 31 × 31 with one fixed row and column,
// every column 700 and every row 300 twips, "P/S" centred in (0, 0), shown.
void layout(FlexGrid& grid);

// The cell the survey found closest to the wanted ratio.
struct Best
{
    int row = 0, col = 0;
    int spur = 0, pinion = 0;
    double ratio = 0.0;
    double deviation = 10.0;
};

// Hides and clears the grid (grown to fit the axes, never below 31 × 31) and
// fills it: headers centred, ratios "0.000" right-aligned. With a wanted ratio
// the cells within 2.5 % of it are red and bold, the others black; the closest
// (first in scan order on ties, and only within 10.0) is returned. The caller
// shows the grid again.
std::optional<Best> fill(FlexGrid& grid, const Ranges::Axes& axes, double secondary,
                         std::optional<double> wanted);

// Rebuilds the plain table from the range selectors and the secondary ratio.
// Does nothing while a selector is unset; reports unusable values and then
// returns false.
bool BuildRatioGrid(Form& form, Host& host);

} // namespace RatioGrid
