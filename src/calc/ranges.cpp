#include "ranges.h"

#include "common/messages.h"
#include "common/numbertext.h"
#include "common/usertext.h"

#include <cmath>

namespace Ranges {

namespace {

struct AxisFields
{
    const Control& start;
    const Control& width;
    const Control& interval;
    QString name; // スパー or ピニオン
};

std::optional<int> readInt(const Control& c, const QString& field, Host& host)
{
    const auto value = NumberText::toCount(c.text);
    if (value)
        return *value;
    host.message(NumberText::isNumberText(c.text) ? Messages::beyondCounts(field, c.text)
                                                  : Messages::notANumber(field, c.text));
    return std::nullopt;
}

std::optional<QList<int>> readAxis(const AxisFields& a, Host& host, bool emptyIntervalIsOne)
{
    const auto start = readInt(a.start, a.name + QStringLiteral("範囲の開始"), host);
    if (!start)
        return std::nullopt;
    const auto width = readInt(a.width, a.name + QStringLiteral("範囲の幅"), host);
    if (!width)
        return std::nullopt;
    std::optional<int> interval = 1;
    if (!(emptyIntervalIsOne && a.interval.text.isEmpty()))
        interval = readInt(a.interval, a.name + QStringLiteral("の計算間隔"), host);
    if (!interval)
        return std::nullopt;
    if (*interval < 1) {
        host.message(QStringLiteral("%1の計算間隔は1以上にして下さい").arg(a.name));
        return std::nullopt;
    }
    const int end = *start + *width;
    if (end < -32768 || end > 32767) {
        host.message(
            QStringLiteral("%1範囲の終わり（開始＋幅）が範囲（-32768～32767）を超えています")
                .arg(a.name));
        return std::nullopt;
    }
    QList<int> values;
    int v = *start;
    do {
        if (values.size() == MaxValues) {
            host.message(QStringLiteral("%1範囲の値が多すぎます（%"
                                        "2個まで）。幅を小さくするか計算間隔を大きくして下さい")
                             .arg(a.name)
                             .arg(MaxValues));
            return std::nullopt;
        }
        values.append(v);
        v += *interval;
    } while (v <= end);
    return values;
}

} // namespace

bool anyUnset(const Form& f, bool withIntervals)
{
    for (const Control* c :
         {&f.spurRangeStart(), &f.spurRangeWidth(), &f.pinionRangeStart(), &f.pinionRangeWidth()})
        if (f.isUnsetSelector(*c))
            return true;
    return withIntervals &&
           (f.isUnsetSelector(f.spurInterval()) || f.isUnsetSelector(f.pinionInterval()));
}

std::optional<Axes> read(const Form& f, Host& host, bool emptyIntervalIsOne)
{
    auto spurs = readAxis(
        {f.spurRangeStart(), f.spurRangeWidth(), f.spurInterval(), QStringLiteral("スパー")}, host,
        emptyIntervalIsOne);
    if (!spurs)
        return std::nullopt;
    auto pinions = readAxis({f.pinionRangeStart(), f.pinionRangeWidth(), f.pinionInterval(),
                             QStringLiteral("ピニオン")},
                            host, emptyIntervalIsOne);
    if (!pinions)
        return std::nullopt;
    if (pinions->contains(0)) {
        host.message(QStringLiteral("ピニオン範囲に0が含まれているため計算できません"));
        return std::nullopt;
    }
    return Axes{*spurs, *pinions};
}

std::optional<double> secondaryRatio(const Form& f, Host& host, bool emptyIsZero)
{
    if (f.secondaryRatio().text.isEmpty()) {
        if (emptyIsZero)
            return 0.0;
        host.message(Messages::notSet(QStringLiteral("２次減速比")));
        return std::nullopt;
    }
    const auto value = NumberText::toDouble(f.secondaryRatio().text);
    if (!value) {
        host.message(Messages::notANumber(QStringLiteral("２次減速比"), f.secondaryRatio().text));
        return std::nullopt;
    }
    // Every ratio of the grid must stay a number: 32767 teeth over one.
    if (!std::isfinite(32767.0 * *value)) {
        host.message(QStringLiteral("２次減速比「%1」が大きすぎて計算できません")
                         .arg(UserText::elided(f.secondaryRatio().text)));
        return std::nullopt;
    }
    return value;
}

} // namespace Ranges
