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
    const Control& start;
    const Control& width;
    const Control& interval;
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

bool anyUnset(const Form& f, Selectors which)
{
    for (const Control* c :
         {&f.spurRangeStart(), &f.spurRangeWidth(), &f.pinionRangeStart(), &f.pinionRangeWidth()})
        if (f.isUnsetSelector(*c))
            return true;
    return which == Selectors::WithIntervals &&
           (f.isUnsetSelector(f.spurInterval()) || f.isUnsetSelector(f.pinionInterval()));
}

Result<Axes> read(const Form& f, EmptyInterval empty)
{
    Check c;
    const auto spurs = c.take(
        readAxis({f.spurRangeStart(), f.spurRangeWidth(), f.spurInterval(), Tr::tr("スパー"),
                  Tr::tr("スパー範囲の開始"), Tr::tr("スパー範囲の幅"), Tr::tr("スパーの計算間隔")},
                 empty));
    if (c.failed())
        return c.failure();
    const auto pinions = c.take(readAxis(
        {f.pinionRangeStart(), f.pinionRangeWidth(), f.pinionInterval(), Tr::tr("ピニオン"),
         Tr::tr("ピニオン範囲の開始"), Tr::tr("ピニオン範囲の幅"), Tr::tr("ピニオンの計算間隔")},
        empty));
    if (!c.failed() && pinions.contains(0))
        c.fail(Messages::pinionRangeHoldsZero());
    return c.result(Axes{spurs, pinions});
}

Result<double> secondaryRatio(const Form& f, EmptyRatio empty)
{
    const QString& text = f.secondaryRatio().text;
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
