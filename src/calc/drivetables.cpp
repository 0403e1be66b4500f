#include "drive.h"

#include "calc/ranges.h"
#include "common/messages.h"

#include <algorithm>
#include <cmath>
#include <limits>

// The tables of the window: rollouts over the ratio grid and the same gearing
// in other pitches.
namespace Drive {

namespace {
bool usable(double v) { return std::isfinite(v) && v > 0.0; }
bool sameModule(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(a, b); }
} // namespace

Result<Table> rolloutTable(const QList<int>& spurs, const QList<int>& pinions, double secondary,
                           double tyre)
{
    if (!usable(secondary))
        return Failure{Messages::notPositive(Field::Secondary())};
    if (!usable(tyre))
        return Failure{Messages::notPositive(Field::TyreDiameter())};
    Table table;
    for (int pinion : pinions) {
        QList<double> row;
        for (int spur : spurs) {
            if (spur <= 0 || pinion <= 0)
                return Failure{Messages::notPositive(spur <= 0 ? Field::Spur() : Field::Pinion())};
            const auto f =
                figures(Tool{tyre, {}, {}}, Gear{secondary, double(spur), double(pinion)});
            if (!f)
                return Failure{f.error()};
            row.append(f->rollout);
        }
        table.append(row);
    }
    return table;
}

Result<FlexGrid> rolloutGrid(const FlexGrid& ratioGrid, double secondary, double tyre,
                             Units::System units)
{
    // The headings are the counts; columns and rows beyond the ranges have none.
    QList<int> spurs, pinions, cols, rows;
    for (int c = ratioGrid.fixedCols(); c < ratioGrid.cols(); ++c) {
        if (const auto spur = NumberText::toCount(ratioGrid.cell(0, c).text)) {
            spurs.append(*spur);
            cols.append(c);
        }
    }
    for (int r = ratioGrid.fixedRows(); r < ratioGrid.rows(); ++r) {
        if (const auto pinion = NumberText::toCount(ratioGrid.cell(r, 0).text)) {
            pinions.append(*pinion);
            rows.append(r);
        }
    }
    const auto table = rolloutTable(spurs, pinions, secondary, tyre);
    if (!table)
        return Failure{table.error()};
    FlexGrid grid = ratioGrid;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        for (qsizetype j = 0; j < cols.size(); ++j) {
            grid.setCurrentCell(rows[i], cols[j]);
            grid.setText(Units::lengthText((*table)[i][j], units));
        }
    }
    grid.setCurrentCell(0, 0);
    return grid;
}

Result<QList<Equivalent>> pitchEquivalents(const Tool& tool, const Gear& gear,
                                           const QList<PitchRange>& pitches)
{
    if (!tool.module)
        return Failure{Messages::notSet(Field::Module())};
    const auto base = figures(tool, gear);
    if (!base)
        return Failure{base.error()};
    QList<Equivalent> result;
    for (const PitchRange& p : pitches) {
        const auto module = moduleFromName(p.name);
        if (!module || sameModule(*module, *tool.module))
            continue;
        const qint64 spurFrom = qMax(p.spurFrom, 1), pinionFrom = qMax(p.pinionFrom, 1);
        // The ratio grid's own limit; a wider scan would only freeze the window.
        if (p.spurTo - spurFrom >= Ranges::MaxValues ||
            p.pinionTo - pinionFrom >= Ranges::MaxValues)
            return Failure{Messages::pitchRangeTooWide(p.name, Ranges::MaxValues)};
        Equivalent e{p.name, *module, {}, {}};
        double ratioGap = std::numeric_limits<double>::infinity();
        double centreGap = ratioGap;
        for (qint64 s = spurFrom; s <= p.spurTo; ++s) {
            for (qint64 q = pinionFrom; q <= p.pinionTo; ++q) {
                const Pair pair{int(s), int(q), double(s) / double(q) * gear.secondary,
                                *module * double(s + q) / 2.0};
                if (const double gap = std::fabs(pair.total - base->total); gap < ratioGap) {
                    ratioGap = gap;
                    e.nearestRatio = pair;
                }
                const double gap = std::fabs(pair.centreDistance - *base->centreDistance);
                if (gap < centreGap) {
                    centreGap = gap;
                    e.nearestCentre = pair;
                }
            }
        }
        result.append(e);
    }
    return result;
}

} // namespace Drive
