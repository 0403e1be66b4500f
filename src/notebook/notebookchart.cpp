#include "notebookchart.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <utility>

namespace NotebookChart {

namespace {
constexpr double Hour = 3600.0, Day = 24 * Hour;

double niceStep(double span)
{
    const double raw = span / 5.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (raw <= m * magnitude)
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
} // namespace

Axis niceAxis(double lo, double hi, const QString& title, bool time)
{
    Axis a;
    a.title = title;
    a.time = time;
    if (!(hi > lo)) {
        // One value: a span around it.
        const double pad = time ? Day : std::max(std::abs(lo) * 0.05, 0.5);
        lo -= pad;
        hi += pad;
    }
    double step = time ? timeStep(hi - lo) : niceStep(hi - lo);
    // Time ticks fall on local midnights (or whole hours) of the first day.
    double origin = 0.0;
    if (time) {
        const QDateTime first = QDateTime::fromSecsSinceEpoch(qint64(lo));
        origin = double(QDateTime(first.date(), QTime(0, 0)).toSecsSinceEpoch());
    }
    a.lo = origin + std::floor((lo - origin) / step) * step;
    a.hi = origin + std::ceil((hi - origin) / step) * step;
    if (a.hi <= a.lo)
        a.hi = a.lo + step;
    for (double t = a.lo; t <= a.hi + step * 1e-9; t += step)
        a.ticks << t;
    return a;
}

QString tickText(const Axis& axis, double value)
{
    if (!axis.time)
        return QString::number(value, 'f', decimalsOf(axis));
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
        return QStringLiteral("ロールアウト（mm）");
    case XKind::Ratio:
        return QStringLiteral("減速比");
    case XKind::Time:
        return QStringLiteral("日付");
    }
    return QString();
}

namespace {
// What a chart against the gearing is drawn against.
QString gearWord(XKind kind)
{
    return kind == XKind::Rollout ? QStringLiteral("ロールアウト") : QStringLiteral("減速比");
}
} // namespace

QString title(XKind kind)
{
    return kind == XKind::Time
               ? QStringLiteral("モーター温度とベストラップの推移")
               : QStringLiteral("モーター温度とベストラップ（%1別）").arg(gearWord(kind));
}

Plot build(const std::vector<NotebookRow>& rows, const std::vector<qsizetype>& which, XKind kind)
{
    Plot p;
    p.kind = kind;
    auto xOf = [kind](const NotebookRow& r) {
        switch (kind) {
        case XKind::Rollout:
            return r.rollout;
        case XKind::Ratio:
            return r.total;
        case XKind::Time:
            return double(r.taken);
        }
        return NotebookRow::None;
    };
    double xLo = INFINITY, xHi = -INFINITY, tLo = INFINITY, tHi = -INFINITY, lLo = INFINITY,
           lHi = -INFINITY;
    bool first = true;
    for (qsizetype i : which) {
        const NotebookRow& r = rows[size_t(i)];
        const double x = xOf(r);
        const bool newest = std::exchange(first, false);
        if (!NotebookRow::has(x))
            continue;
        if (NotebookRow::has(r.temp)) {
            p.temps << QPointF(x, r.temp);
            tLo = std::min(tLo, r.temp);
            tHi = std::max(tHi, r.temp);
            if (newest)
                p.latestTemp = p.temps.last();
        }
        if (NotebookRow::has(r.lap)) {
            p.laps << QPointF(x, r.lap);
            lLo = std::min(lLo, r.lap);
            lHi = std::max(lHi, r.lap);
            if (newest)
                p.latestLap = p.laps.last();
        }
        if (NotebookRow::has(r.temp) || NotebookRow::has(r.lap)) {
            xLo = std::min(xLo, x);
            xHi = std::max(xHi, x);
        }
    }
    if (p.empty())
        return p;
    p.tempLo = tLo;
    p.tempHi = tHi;
    p.lapLo = lLo;
    p.lapHi = lHi;
    p.x = niceAxis(xLo, xHi, xTitle(kind), kind == XKind::Time);
    p.temp = p.temps.isEmpty() ? niceAxis(0, 100, QString())
                               : niceAxis(tLo, tHi, QStringLiteral("モーター温度（℃）"));
    p.lap = p.laps.isEmpty() ? niceAxis(0, 10, QString())
                             : niceAxis(lLo, lHi, QStringLiteral("ベストラップ（秒）"));
    return p;
}

QString summary(const Plot& plot)
{
    if (plot.empty())
        return title(plot.kind) + QStringLiteral("。記録された温度やラップがありません");
    auto range = [](qsizetype count, double lo, double hi, const QString& what,
                    const QString& unit) {
        const QString span =
            lo == hi ? QString::number(lo) : QStringLiteral("%1～%2").arg(lo).arg(hi);
        return QStringLiteral("%1 %2点 %3%4").arg(what).arg(count).arg(span, unit);
    };
    QStringList parts;
    if (!plot.temps.isEmpty())
        parts << range(plot.temps.size(), plot.tempLo, plot.tempHi, QStringLiteral("温度"),
                       QStringLiteral("℃"));
    if (!plot.laps.isEmpty())
        parts << range(plot.laps.size(), plot.lapLo, plot.lapHi, QStringLiteral("ラップ"),
                       QStringLiteral("秒"));
    QString text = title(plot.kind) + u'。' + parts.join(u'、');
    const std::optional<QPointF> latest = plot.latestTemp ? plot.latestTemp : plot.latestLap;
    if (latest) {
        const QString at = plot.kind == XKind::Time
                               ? tickText(plot.x, latest->x())
                               : QStringLiteral("%1 %2").arg(gearWord(plot.kind)).arg(latest->x());
        text += QStringLiteral("。最新 ") + at;
        if (plot.latestTemp)
            text += QStringLiteral("、%1℃").arg(plot.latestTemp->y());
        if (plot.latestLap)
            text += QStringLiteral("、%1秒").arg(plot.latestLap->y());
    }
    return text;
}

} // namespace NotebookChart
