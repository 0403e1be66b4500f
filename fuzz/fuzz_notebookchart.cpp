// The notebook's chart scales: whatever values a notebook holds (typed, brought
// in by CSV or written by another tool), every scale ends, has a bounded number
// of rising ticks within finite ends that take in every value, and every point
// lands on a finite pixel.

#include "fuzzsupport.h"
#include "notebook/notebookchart.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

QString show(double a, double b)
{
    return QString::number(a, 'g', 17) + QStringLiteral(" … ") + QString::number(b, 'g', 17);
}

void checkAxis(const NotebookChart::Axis& a, double lo, double hi)
{
    const QString where = show(lo, hi) + QStringLiteral(" → ") + show(a.lo, a.hi);
    Fuzz::check(std::isfinite(a.lo) && std::isfinite(a.hi) && a.lo < a.hi, "scale ends", where);
    Fuzz::check(a.ticks.size() >= 2 && a.ticks.size() <= NotebookChart::MaxTicks, "tick count",
                where + QStringLiteral(" ticks %1").arg(a.ticks.size()));
    for (qsizetype i = 0; i < a.ticks.size(); ++i) {
        Fuzz::check(a.ticks[i] >= a.lo && a.ticks[i] <= a.hi, "tick outside the scale", where);
        Fuzz::check(i == 0 || a.ticks[i] > a.ticks[i - 1], "ticks not rising", where);
        Fuzz::check(NotebookChart::tickText(a, a.ticks[i]).size() <= 40, "tick text too long",
                    where);
    }
    if (std::isfinite(lo) && std::isfinite(hi)) {
        Fuzz::check(a.lo <= std::min(lo, hi) && a.hi >= std::max(lo, hi), "values off the scale",
                    where);
        for (double v : {lo, hi}) {
            const double at = a.at(v);
            Fuzz::check(at >= 0 && at <= 1, "a value placed outside 0…1", where);
        }
    }
}

void checkPlot(const NotebookChart::Plot& p)
{
    (void)NotebookChart::summary(p);
    if (p.empty())
        return;
    checkAxis(p.x, p.x.lo, p.x.hi);
    for (const auto& [axis, points] : {std::pair{&p.temp, &p.temps}, std::pair{&p.lap, &p.laps}}) {
        checkAxis(*axis, axis->lo, axis->hi);
        for (const QPointF& v : *points) {
            const double x = p.x.place(v.x(), 10, 500), y = axis->place(v.y(), 300, -280);
            Fuzz::check(std::isfinite(x) && std::isfinite(y) && x >= -20 && x <= 540 && y >= 0 &&
                            y <= 320,
                        "a point off its pixels", show(v.x(), v.y()));
            Fuzz::check(v.x() >= p.x.lo && v.x() <= p.x.hi && v.y() >= axis->lo &&
                            v.y() <= axis->hi,
                        "a charted value off its scale", show(v.x(), v.y()));
        }
    }
}

// Even first byte: blank-separated numbers as text ("30.3 30.300000000000004",
// "1e308", "nan"); odd: raw doubles, eight bytes each.
std::vector<double> valuesOf(const uint8_t* data, size_t size)
{
    std::vector<double> out;
    if (size == 0)
        return out;
    if (data[0] % 2 == 1) {
        for (size_t i = 1; i + 8 <= size && out.size() < 64; i += 8) {
            double v;
            std::memcpy(&v, data + i, 8);
            out.push_back(v);
        }
    } else {
        const char* p = reinterpret_cast<const char*>(data) + 1;
        const char* end = reinterpret_cast<const char*>(data) + size;
        while (p < end && out.size() < 64) {
            double v = 0;
            const auto [next, ec] = std::from_chars(p, end, v);
            if (ec == std::errc() || ec == std::errc::result_out_of_range)
                out.push_back(v);
            p = next == p ? p + 1 : next;
        }
    }
    // The closest neighbour of the first value: one ULP apart.
    if (!out.empty())
        out.push_back(std::nextafter(out.front(), INFINITY));
    return out;
}

qint64 secondsOf(double v) { return std::isfinite(v) ? qint64(std::clamp(v, -9e18, 9e18)) : 0; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<double> values = valuesOf(data, size);
    for (size_t i = 0; i + 1 < values.size() && i < 8; ++i) {
        const double a = values[i], b = values[i + 1];
        checkAxis(NotebookChart::niceAxis(a, b, QString()), a, b);
        const double ta = double(secondsOf(a)), tb = double(secondsOf(b));
        checkAxis(NotebookChart::niceAxis(ta, tb, QString(), true), ta, tb);
    }
    // Runs of four values each: rollout, ratio, temperature, lap; the time
    // from the next.
    std::vector<NotebookRow> rows;
    for (size_t i = 0; i < values.size(); i += 4) {
        NotebookRow r;
        r.id = qint64(i);
        auto at = [&](size_t k) {
            return i + k < values.size() ? values[i + k] : NotebookRow::None;
        };
        r.rollout = at(0);
        r.total = at(1);
        r.temp = at(2);
        r.lap = at(3);
        r.taken = secondsOf(at(4));
        rows.push_back(r);
    }
    std::vector<qsizetype> which(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        which[i] = qsizetype(i);
    for (auto kind :
         {NotebookChart::XKind::Rollout, NotebookChart::XKind::Ratio, NotebookChart::XKind::Time})
        checkPlot(NotebookChart::build(rows, which, kind));
    return 0;
}
