#include "ratiogrid.h"

#include "calc/check.h"
#include "common/colour.h"
#include "common/numbertext.h"

#include <QCoreApplication>
#include <cmath>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(RatioGrid)
};
} // namespace

namespace RatioGrid {

namespace {
const QString Corner = QStringLiteral("P/S");
// The band as bounds of wanted ÷ ratio: exactly 0.975 and 1.025 in doubles.
constexpr double Low = (100.0 - BandPercent) / 100.0;
constexpr double High = (100.0 + BandPercent) / 100.0;

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

QString bandText() { return QStringLiteral("±") + NumberText::fixed(BandPercent, 1) + u'%'; }

Marks marksOf(const FlexGrid& grid)
{
    Marks m;
    for (int r = grid.fixedRows(); r < grid.rows(); ++r)
        for (int c = grid.fixedCols(); c < grid.cols(); ++c) {
            const int colour = grid.cell(r, c).colour;
            if (colour == Colour::LightBlue) {
                m.bestRow = r;
                m.bestCol = c;
            }
            m.marked += colour == Colour::LightBlue || colour == Colour::Red;
        }
    return m;
}

QString surveyNews(const FlexGrid& grid)
{
    const Marks m = marksOf(grid);
    if (m.bestRow < 0)
        return QString();
    return Tr::tr("最適 ピニオン%1/スパー%2 減速比 %3、%4以内 %5組")
        .arg(grid.cell(m.bestRow, 0).text, grid.cell(0, m.bestCol).text,
             grid.cell(m.bestRow, m.bestCol).text, bandText())
        .arg(m.marked);
}

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
                const bool near = quotient > Low && quotient < High;
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

Result<std::optional<Table>> readTable(const Ranges::Selection& selection, const QString& secondary)
{
    if (Ranges::anyUnset(selection, Ranges::Selectors::WithIntervals))
        return std::optional<Table>();
    Check c;
    const auto axes = c.take(Ranges::read(selection, Ranges::EmptyInterval::AsTyped));
    const double ratio = c.take(Ranges::secondaryRatio(secondary, Ranges::EmptyRatio::AsZero));
    return c.result(std::optional<Table>(Table{axes, ratio}));
}

void BuildRatioGrid(FlexGrid& grid, const Table& table)
{
    fill(grid, table.axes, table.secondary, std::nullopt);
    grid.setCurrentCell(0, 0);
    grid.show();
}

} // namespace RatioGrid
