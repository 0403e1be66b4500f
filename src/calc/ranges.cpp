#include "ranges.h"

#include "calc/check.h"
#include "common/messages.h"
#include "common/numbertext.h"

#include <QCoreApplication>
#include <cmath>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Ranges)
};
} // namespace

namespace Ranges {

namespace {

struct AxisFields
{
    const InputText& start;
    const InputText& width;
    const InputText& interval;
    QString name; // スパー or ピニオン
    // Each field's own name in messages, whole.
    QString startName, widthName, intervalName;
};

Result<QList<int>> readAxis(const AxisFields& a, EmptyInterval empty)
{
    Check c;
    const int start = c.whole(a.startName, a.start.text);
    const int width = c.whole(a.widthName, a.width.text);
    const int interval = empty == EmptyInterval::AsOne && a.interval.text.isEmpty()
                             ? 1
                             : c.whole(a.intervalName, a.interval.text);
    if (c.failed())
        return c.failure();
    if (interval < 1)
        return Failure{Messages::intervalBelowOne(a.name)};
    const int end = start + width;
    if (end < -32768 || end > 32767)
        return Failure{Messages::rangeEndBeyondCounts(a.name)};
    QList<int> values;
    int v = start;
    do {
        if (values.size() == MaxValues)
            return Failure{Messages::tooManyValues(a.name, MaxValues)};
        values.append(v);
        v += interval;
    } while (v <= end);
    return values;
}

} // namespace

bool anyUnset(const Selection& s, Selectors which)
{
    for (const InputText* c : {&s.spurStart, &s.spurWidth, &s.pinionStart, &s.pinionWidth})
        if (!c->set)
            return true;
    return which == Selectors::WithIntervals && (!s.spurInterval.set || !s.pinionInterval.set);
}

Result<Axes> read(const Selection& s, EmptyInterval empty)
{
    Check c;
    const auto spurs = c.take(
        readAxis({s.spurStart, s.spurWidth, s.spurInterval, Tr::tr("スパー"),
                  Tr::tr("スパー範囲の開始"), Tr::tr("スパー範囲の幅"), Tr::tr("スパーの計算間隔")},
                 empty));
    if (c.failed())
        return c.failure();
    const auto pinions = c.take(readAxis({s.pinionStart, s.pinionWidth, s.pinionInterval,
                                          Tr::tr("ピニオン"), Tr::tr("ピニオン範囲の開始"),
                                          Tr::tr("ピニオン範囲の幅"), Tr::tr("ピニオンの計算間隔")},
                                         empty));
    if (!c.failed() && pinions.contains(0))
        c.fail(Messages::pinionRangeHoldsZero());
    return c.result(Axes{spurs, pinions});
}

Result<double> secondaryRatio(const QString& text, EmptyRatio empty)
{
    const QString field = Tr::tr("２次減速比");
    if (text.isEmpty() && empty == EmptyRatio::AsZero)
        return 0.0;
    Check c;
    c.require(!text.isEmpty(), field);
    const double value = c.value(field, text);
    // Every ratio of the grid must stay a number: 32767 teeth over one.
    if (!c.failed() && !std::isfinite(32767.0 * value))
        c.fail(Messages::tooLargeToCalculate(field, text));
    return c.result(value);
}

} // namespace Ranges
