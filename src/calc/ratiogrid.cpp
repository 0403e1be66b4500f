#include "ratiogrid.h"

#include "common/colour.h"
#include "common/numbertext.h"
#include "platform/busypointer.h"

#include <cmath>

namespace RatioGrid {

namespace {
const QString Corner = QStringLiteral("P/S");

void writeHeader(FlexGrid& grid, int row, int col, const QString& text)
{
    grid.setCurrentCell(row, col);
    grid.setText(text);
    grid.setAlignment(CellAlign::Centre);
}

// The grid keeps its 31 × 31 shape unless a range needs more room.
void sizeFor(FlexGrid& grid, int rows, int cols)
{
    grid.setRows(qMax(BaseRows, rows));
    grid.setCols(qMax(BaseCols, cols));
    for (int c = 0; c < grid.cols(); ++c)
        grid.setColWidth(c, FlexGrid::DefaultColWidth);
    for (int r = 0; r < grid.rows(); ++r)
        grid.setRowHeight(r, FlexGrid::DefaultRowHeight);
}
} // namespace

void layout(FlexGrid& grid)
{
    grid.hide();
    grid.clear();
    sizeFor(grid, BaseRows, BaseCols);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    grid.setSize(WidthTwips, HeightTwips);
    writeHeader(grid, 0, 0, Corner);
    grid.setCurrentCell(0, 0);
    grid.show();
}

std::optional<Best> fill(FlexGrid& grid, const Ranges::Axes& axes, double secondary,
                         std::optional<double> wanted)
{
    grid.hide();
    grid.clear();
    sizeFor(grid, int(axes.pinions.size()) + 1, int(axes.spurs.size()) + 1);
    writeHeader(grid, 0, 0, Corner);

    Best best;
    bool found = false;
    for (int r = 1; r <= axes.pinions.size(); ++r) {
        const int pinion = axes.pinions[r - 1];
        writeHeader(grid, r, 0, NumberText::count(pinion));
        for (int c = 1; c <= axes.spurs.size(); ++c) {
            const int spur = axes.spurs[c - 1];
            const double ratio = double(spur) / double(pinion) * secondary;
            if (r == 1)
                writeHeader(grid, 0, c, NumberText::count(spur));
            grid.setCurrentCell(r, c);
            if (wanted) {
                const double deviation = std::fabs(*wanted - ratio);
                if (deviation < best.deviation) {
                    best = {r, c, spur, pinion, ratio, deviation};
                    found = true;
                }
                const double quotient = *wanted / ratio;
                const bool near = quotient > 0.975 && quotient < 1.025;
                grid.setColour(near ? Colour::Red : Colour::Black);
                grid.setBold(near);
            } else {
                grid.setColour(Colour::Black);
                grid.setBold(false);
            }
            grid.setText(NumberText::ratio3(ratio));
            grid.setAlignment(CellAlign::Right);
        }
    }
    if (!found)
        return std::nullopt;
    return best;
}

bool BuildRatioGrid(Form& form, Host& host)
{
    if (Ranges::anyUnset(form, true))
        return true;
    const auto axes = Ranges::read(form, host, false);
    if (!axes)
        return false;
    const auto secondary = Ranges::secondaryRatio(form, host, true);
    if (!secondary)
        return false;

    BusyPointer busy(host);
    FlexGrid& grid = form.MSFlexGrid1;
    fill(grid, *axes, *secondary, std::nullopt);
    grid.setCurrentCell(0, 0);
    grid.show();
    return true;
}

} // namespace RatioGrid
