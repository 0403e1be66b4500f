#pragma once

#include "notebook/notebookentry.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

// The notebook's charts as numbers: motor temperature (left scale) and best
// lap (right scale) of each run against rollout, total ratio or time. The
// screen and the printed sheet draw the same plot, each at its own size.
namespace NotebookChart {

enum class XKind { Rollout, Ratio, Time };

struct Axis
{
    double lo = 0.0, hi = 1.0;
    QList<double> ticks;
    QString title;
    bool time = false; // values are seconds since the epoch
    // Where a value falls between lo (0) and hi (1).
    double at(double v) const;
    // Where a value falls on a line of pixels from `from` over `length`
    // (negative upwards), clamped to just past its ends: always finite, so
    // it can be turned into an int.
    double place(double v, double from, double length) const;
};

// A scale never has more ticks than this, whatever values it spans.
constexpr qsizetype MaxTicks = 20;

struct Plot
{
    XKind kind = XKind::Rollout;
    Axis x, temp, lap;
    QList<QPointF> temps, laps;                          // (x, value) of each run that has both
    QList<qint64> tempIds, lapIds;                       // the run of each point
    double tempLo = 0, tempHi = 0, lapLo = 0, lapHi = 0; // the values' own ranges
    // The newest run's points, and the chosen run's.
    std::optional<QPointF> latestTemp, latestLap, selectedTemp, selectedLap;
    // The temperature fitted against rollout, with one residual standard
    // deviation either side: on the rollout chart of one car on one track.
    struct TempFit
    {
        double slope, intercept, spread;
    };
    std::optional<TempFit> tempFit;
    bool empty() const { return temps.isEmpty() && laps.isEmpty(); }
    // The runs with a point, left to right (ties newest first): what the
    // arrow keys step through.
    QList<qint64> runsAcross() const;
};

// rows[i] for every i of which (newest first, as the list shows them);
// selected: the id of the chosen run, whose points are marked.
Plot build(const std::vector<NotebookRow>& rows, const std::vector<qsizetype>& which, XKind kind,
           qint64 selected = 0);

// Marks a run's points as the chosen ones (none: no run chosen), without
// building the plot again.
void select(Plot& plot, const NotebookRow* row);

// A scale over lo…hi with about five round steps (for time: hours, days,
// weeks, months), widened to take in its end ticks. Any finite lo and hi
// give a scale with lo < hi, finite ends and 2…MaxTicks rising ticks within
// them; values too close to tell apart get a span around them.
Axis niceAxis(double lo, double hi, const QString& title, bool time = false);

// A tick's text: "27.5", or for time "12/07", "15:30", "2026/12".
QString tickText(const Axis& axis, double value);

QString xTitle(XKind kind);
QString title(XKind kind);

// The plot in words, for a screen reader: its title, how many points, the
// range of each scale and the newest run, e.g. "モーター温度とベストラップ
// （ロールアウト別）。温度 3点 52～63℃、ラップ 3点 12.3～12.9秒。最新
// ロールアウト 27.5、63℃、12.5秒".
QString summary(const Plot& plot);

} // namespace NotebookChart
