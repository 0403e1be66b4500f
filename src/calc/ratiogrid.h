#pragma once

#include "calc/ranges.h"
#include "common/flexgrid.h"
#include "common/result.h"

#include <QString>
#include <optional>

// The ratio grid: pinions down, spurs across, the total ratio in each cell.
namespace RatioGrid {

constexpr int BaseRows = 31; // header plus 30 data rows
constexpr int BaseCols = 31;
constexpr int WidthTwips = 5535;
constexpr int HeightTwips = 8175;

// A cell whose ratio lies within this many percent of the wanted one is marked.
constexpr double BandPercent = 2.5;
// The band as the legends and descriptions state it: "±2.5%".
QString bandText();

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
// the cells within the band around it are red and bold, the others black; the closest
// (first in scan order on ties, and only within 10.0) is returned. The caller
// shows the grid again.
std::optional<Best> fill(FlexGrid& grid, const Ranges::Axes& axes, double secondary,
                         std::optional<double> wanted);

// The marks a survey left: its light-blue cell (row and col -1 when none)
// and how many cells are marked, light blue or red.
struct Marks
{
    int bestRow = -1, bestCol = -1;
    int marked = 0;
};
Marks marksOf(const FlexGrid& grid);

// A survey's outcome in words, for the ear: the best pair, its ratio and how
// many pairs lie within the band, e.g. "最適 ピニオン22/スパー70 減速比 8.273、
// ±2.5%以内 5組"; "" for a grid with no best cell.
QString surveyNews(const FlexGrid& grid);

// The plain table: the ranges' values and the secondary ratio.
struct Table
{
    Ranges::Axes axes;
    double secondary = 0.0; // an empty one counts as 0
};

// The plain table's inputs, read from the range selectors and the secondary
// ratio as held; none while a selector is unset, when the grid stays as it is.
Result<std::optional<Table>> readTable(const Ranges::Selection& selection,
                                       const QString& secondary);

// Fills the grid with the plain table, no cell marked, and shows it.
void BuildRatioGrid(FlexGrid& grid, const Table& table);

} // namespace RatioGrid
