#include "notebookchart.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(NotebookChart)
};
} // namespace

namespace NotebookChart {

namespace {
constexpr double Hour = 3600.0, Day = 24 * Hour;

// A round step of about a fifth of a span given as its fifth (a span of the
// whole range of doubles overflows, its fifth never does).
double niceStep(double fifth)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(fifth)));
    for (double m : {1.0, 2.0, 2.5, 5.0})
        if (fifth <= m * magnitude)
            return m * magnitude;
    return 10.0 * magnitude;
}

double timeStep(double span)
{
    for (double s : {Hour, 3 * Hour, 6 * Hour, 12 * Hour, Day, 2 * Day, 7 * Day, 14 * Day, 30 * Day,
                     91 * Day, 182 * Day, 365 * Day})
        if (span / s <= 6.0)
            return s;
    return 365 * Day * std::ceil(span / (6.0 * 365 * Day));
}

int decimalsOf(const Axis& a)
{
    if (a.ticks.size() < 2)
        return 0;
    const double step = a.ticks[1] - a.ticks[0];
    int d = 0;
    while (d < 4 &&
           std::abs(step * std::pow(10.0, d) - std::round(step * std::pow(10.0, d))) > 1e-6)
        ++d;
    return d;
}

// Local midnight of the day a time falls on, where the calendar knows it.
double midnightOf(double seconds)
{
    if (std::abs(seconds) > 1e13) // beyond year 300 000: no calendar worth asking
        return 0.0;
    const QDateTime t = QDateTime::fromSecsSinceEpoch(qint64(seconds));
    const QDateTime midnight(t.date(), QTime(0, 0));
    return midnight.isValid() ? double(midnight.toSecsSinceEpoch()) : 0.0;
}
} // namespace

double Axis::at(double v) const
{
    // Halved first: hi − lo of a scale across the range of doubles overflows.
    return (v / 2 - lo / 2) / (hi / 2 - lo / 2);
}

double Axis::place(double v, double from, double length) const
{
    const double f = at(v);
    // A little past the frame at most, so a pixel is always an int.
    return from + length * (std::isnan(f) ? 0.0 : std::clamp(f, -0.05, 1.05));
}

Axis niceAxis(double lo, double hi, const QString& title, bool time)
{
    Axis a;
    a.title = title;
    a.time = time;
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        a.ticks = {0.0, 1.0};
        return a;
    }
    if (lo > hi)
        std::swap(lo, hi);
    // Values the eye cannot tell apart (down to one ULP: a spreadsheet's
    // 30.300000000000004 beside 30.3) are one value, with a span around it.
    const double size = std::max(std::abs(lo), std::abs(hi));
    if (hi / 2 - lo / 2 <= std::max(size * 1e-9, 1e-100)) {
        const double pad = time ? Day : std::max(size * 0.05, 0.5);
        const double most = std::numeric_limits<double>::max();
        lo = std::max(lo - pad, -most);
        hi = std::min(hi + pad, most);
    }
    const double step = time ? timeStep(hi - lo) : niceStep(hi / 5 - lo / 5);
    // Time ticks fall on local midnights (or whole hours) of the first day.
    const double origin = time ? midnightOf(lo) : 0.0;
    const double first = std::floor((lo - origin) / step), last = std::ceil((hi - origin) / step);
    // The rounded ends, unless rounding out leaves the range of doubles.
    a.lo = origin + first * step;
    a.hi = origin + last * step;
    if (!std::isfinite(a.lo) || a.lo > lo)
        a.lo = lo;
    if (!std::isfinite(a.hi) || a.hi < hi)
        a.hi = hi;
    // At most MaxTicks ticks, each a fresh multiple (never a sum that stops
    // growing when the step is below the values' precision).
    for (int i = 0; i < 2 * MaxTicks && first + i <= last && a.ticks.size() < MaxTicks; ++i) {
        const double t = origin + (first + i) * step;
        if (std::isfinite(t) && t >= a.lo && t <= a.hi && (a.ticks.isEmpty() || t > a.ticks.last()))
            a.ticks << t;
    }
    return a;
}

QString tickText(const Axis& axis, double value)
{
    if (!axis.time) {
        // Values no racer types (another tool's) in short scientific form.
        const double size = std::max(std::abs(axis.lo), std::abs(axis.hi));
        if (size >= 1e7 || (axis.ticks.size() > 1 && axis.ticks[1] - axis.ticks[0] < 1e-4))
            return QString::number(value, 'g', 4);
        return QString::number(value, 'f', decimalsOf(axis));
    }
    const QDateTime t = QDateTime::fromSecsSinceEpoch(qint64(std::llround(value)));
    const double span = axis.hi - axis.lo;
    const double step = axis.ticks.size() > 1 ? axis.ticks[1] - axis.ticks[0] : Day;
    if (step < Day)
        return t.toString(QStringLiteral("HH:mm"));
    if (span > 400 * Day)
        return t.toString(QStringLiteral("yyyy/MM"));
    return t.toString(QStringLiteral("MM/dd"));
}

QString xTitle(XKind kind)
{
    switch (kind) {
    case XKind::Rollout:
        return Tr::tr("ロールアウト（mm）");
    case XKind::Ratio:
        return Tr::tr("減速比");
    case XKind::Time:
        return Tr::tr("日付");
    }
    return QString();
}

namespace {
// What a chart against the gearing is drawn against.
QString gearWord(XKind kind)
{
    return kind == XKind::Rollout ? Tr::tr("ロールアウト") : Tr::tr("減速比");
}
} // namespace

QString title(XKind kind)
{
    return kind == XKind::Time ? Tr::tr("モーター温度とベストラップの推移")
                               : Tr::tr("モーター温度とベストラップ（%1別）").arg(gearWord(kind));
}

namespace {
// A run's place on a chart: its x, temperature and lap, each NaN where blank,
// stray or not finite.
struct Point
{
    double x, temp, lap;
};
Point pointOf(const NotebookRow& r, XKind kind)
{
    double x = double(r.taken);
    if (kind == XKind::Rollout)
        x = r.charted(r.rollout, NotebookRow::Rollout);
    else if (kind == XKind::Ratio)
        x = r.charted(r.total, NotebookRow::Total);
    auto finite = [](double v) { return std::isfinite(v) ? v : NotebookRow::None; };
    return {finite(x), finite(r.charted(r.temp, NotebookRow::Temp)),
            finite(r.charted(r.lap, NotebookRow::Lap))};
}
} // namespace

void select(Plot& plot, const NotebookRow* row)
{
    plot.selectedTemp.reset();
    plot.selectedLap.reset();
    if (!row)
        return;
    const Point at = pointOf(*row, plot.kind);
    if (std::isnan(at.x))
        return;
    if (!std::isnan(at.temp))
        plot.selectedTemp = QPointF(at.x, at.temp);
    if (!std::isnan(at.lap))
        plot.selectedLap = QPointF(at.x, at.lap);
}

Plot build(const std::vector<NotebookRow>& rows, const std::vector<qsizetype>& which, XKind kind,
           qint64 selected)
{
    Plot p;
    p.kind = kind;
    // Grown once, not doubled a dozen times over a season of runs.
    for (auto* points : {&p.temps, &p.laps})
        points->reserve(qsizetype(which.size()));
    for (auto* ids : {&p.tempIds, &p.lapIds})
        ids->reserve(qsizetype(which.size()));
    double xLo = INFINITY, xHi = -INFINITY, tLo = INFINITY, tHi = -INFINITY, lLo = INFINITY,
           lHi = -INFINITY;
    // The newest run is marked whichever way the list is sorted.
    const NotebookRow* newestRun = nullptr;
    for (qsizetype i : which) {
        const NotebookRow& r = rows[size_t(i)];
        if (!newestRun || r.taken > newestRun->taken ||
            (r.taken == newestRun->taken && r.id > newestRun->id))
            newestRun = &r;
    }
    for (qsizetype i : which) {
        const NotebookRow& r = rows[size_t(i)];
        const auto [x, temp, lap] = pointOf(r, kind);
        const bool newest = &r == newestRun;
        if (!std::isfinite(x))
            continue;
        if (selected != 0 && r.id == selected)
            select(p, &r);
        if (std::isfinite(temp)) {
            p.temps << QPointF(x, temp);
            p.tempIds << r.id;
            tLo = std::min(tLo, temp);
            tHi = std::max(tHi, temp);
            if (newest)
                p.latestTemp = p.temps.last();
        }
        if (std::isfinite(lap)) {
            p.laps << QPointF(x, lap);
            p.lapIds << r.id;
            lLo = std::min(lLo, lap);
            lHi = std::max(lHi, lap);
            if (newest)
                p.latestLap = p.laps.last();
        }
        if (std::isfinite(temp) || std::isfinite(lap)) {
            xLo = std::min(xLo, x);
            xHi = std::max(xHi, x);
        }
    }
    // Few runs with values give back what they do not use.
    for (auto* points : {&p.temps, &p.laps})
        if (points->size() < points->capacity() / 2)
            points->squeeze();
    for (auto* ids : {&p.tempIds, &p.lapIds})
        if (ids->size() < ids->capacity() / 2)
            ids->squeeze();
    if (p.empty())
        return p;
    p.tempLo = tLo;
    p.tempHi = tHi;
    p.lapLo = lLo;
    p.lapHi = lHi;
    p.x = niceAxis(xLo, xHi, xTitle(kind), kind == XKind::Time);
    p.temp = p.temps.isEmpty() ? niceAxis(0, 100, QString())
                               : niceAxis(tLo, tHi, Tr::tr("モーター温度（℃）"));
    p.lap = p.laps.isEmpty() ? niceAxis(0, 10, QString())
                             : niceAxis(lLo, lHi, Tr::tr("ベストラップ（秒）"));
    return p;
}

QList<qint64> Plot::runsAcross() const
{
    // Points are in the list's order; a run with both has its temperature and
    // its lap at one x.
    std::vector<std::pair<double, qint64>> all;
    all.reserve(size_t(temps.size() + laps.size()));
    for (qsizetype i = 0; i < temps.size(); ++i)
        all.emplace_back(temps[i].x(), tempIds[i]);
    for (qsizetype i = 0; i < laps.size(); ++i)
        all.emplace_back(laps[i].x(), lapIds[i]);
    std::stable_sort(all.begin(), all.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<qint64> out;
    QSet<qint64> seen;
    for (const auto& [x, id] : all)
        if (!seen.contains(id)) {
            seen.insert(id);
            out << id;
        }
    return out;
}

QString summary(const Plot& plot)
{
    if (plot.empty())
        return Tr::tr("%1。記録された温度やラップがありません").arg(title(plot.kind));
    auto range = [](qsizetype count, double lo, double hi, const QString& what,
                    const QString& unit) {
        const QString span = lo == hi ? QString::number(lo) : Tr::tr("%1～%2").arg(lo).arg(hi);
        return Tr::tr("%1 %2点 %3%4").arg(what).arg(count).arg(span, unit);
    };
    QStringList parts;
    if (!plot.temps.isEmpty())
        parts << range(plot.temps.size(), plot.tempLo, plot.tempHi, Tr::tr("温度"),
                       QStringLiteral("℃"));
    if (!plot.laps.isEmpty())
        parts << range(plot.laps.size(), plot.lapLo, plot.lapHi, Tr::tr("ラップ"), Tr::tr("秒"));
    QString text = title(plot.kind) + u'。' + parts.join(u'、');
    const std::optional<QPointF> latest = plot.latestTemp ? plot.latestTemp : plot.latestLap;
    if (latest) {
        const QString at = plot.kind == XKind::Time
                               ? tickText(plot.x, latest->x())
                               : QStringLiteral("%1 %2").arg(gearWord(plot.kind)).arg(latest->x());
        text += Tr::tr("。最新 %1").arg(at);
        if (plot.latestTemp)
            text += Tr::tr("、%1℃").arg(plot.latestTemp->y());
        if (plot.latestLap)
            text += Tr::tr("、%1秒").arg(plot.latestLap->y());
    }
    return text;
}

} // namespace NotebookChart
