#include "gearcalc.h"

#include "calc/check.h"
#include "common/numbertext.h"

#include <QCoreApplication>
#include <cmath>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(GearCalc)
};
} // namespace

namespace GearCalc {

namespace {

struct QuantityInfo
{
    QString fieldName;    // as the window titles it
    QString missing;      // what the message says is not set
    QString announcement; // status line when selected
    QString finished;     // status line after the calculation
    QString finishedBoth; // the same, when the other count had to change too
};

const QuantityInfo& info(Quantity q)
{
    static const QuantityInfo table[] = {
        {Tr::tr("２次減速比"), Tr::tr("２次減速比"), Tr::tr("2次減速比を計算表示します"),
         Tr::tr("２次減速比計算終了"), QString()},
        {Tr::tr("スパーギア歯数"), Tr::tr("スパー"), Tr::tr("ｽﾊﾟｰｷﾞｱ歯数を計算表示します"),
         Tr::tr("スパー計算終了"), Tr::tr("スパー計算終了 ピニオンも変更")},
        {Tr::tr("ピニオンギア歯数"), Tr::tr("ピニオン"), Tr::tr("ﾋﾟﾆｵﾝｷﾞｱ歯数を計算表示します"),
         Tr::tr("ピニオン計算終了"), Tr::tr("ピニオン計算終了 スパーも変更")},
        {Tr::tr("減速比"), Tr::tr("減速比"), Tr::tr("減速比を計算表示します"),
         Tr::tr("減速比計算終了"), QString()},
    };
    return table[int(q)];
}

// A deviation that reads as 0.3 must not count as above it, whatever binary
// noise the division left behind.
constexpr double AdjustLimit = 0.3 + 1e-9;

QString PrimaryRatio() { return Tr::tr("１次減速比（スパー÷ピニオン）"); }

// Every input must be set (in the order given) before any is read as a number.
void requireSet(Check& c, const Setup& in, std::initializer_list<Quantity> inputs)
{
    for (Quantity q : inputs)
        c.require(in[q].set, info(q).missing);
}

double value(Check& c, const Setup& in, Quantity q)
{
    return c.value(info(q).fieldName, in[q].text);
}

Result<Outcome> calculateSecondary(const Setup& in)
{
    Check c;
    requireSet(c, in, {Quantity::Spur, Quantity::Pinion, Quantity::Total});
    const double spur = value(c, in, Quantity::Spur);
    const double pinion =
        c.divisor(value(c, in, Quantity::Pinion), info(Quantity::Pinion).fieldName);
    const double total = value(c, in, Quantity::Total);
    if (c.failed())
        return c.failure();
    const double primary = c.divisor(spur / pinion, PrimaryRatio());
    const double secondary = c.finite(total / primary, info(Quantity::Secondary).fieldName);
    if (c.failed())
        return c.failure();
    Outcome out;
    out.values[size_t(Quantity::Secondary)] = NumberText::ratio5(secondary);
    out.status = info(Quantity::Secondary).finished;
    return out;
}

// Spur and pinion share one shape: compute one count from the primary ratio,
// adjust the other when the count lies far from a whole number.
Result<Outcome> calculateCount(const Setup& in, Quantity computed)
{
    const bool spurComputed = computed == Quantity::Spur;
    const Quantity other = spurComputed ? Quantity::Pinion : Quantity::Spur;
    const QString& pinionName = info(Quantity::Pinion).fieldName;
    Check c;
    requireSet(c, in, {Quantity::Secondary, other, Quantity::Total});
    const double secondary =
        c.divisor(value(c, in, Quantity::Secondary), info(Quantity::Secondary).fieldName);
    const double otherValue = value(c, in, other);
    const double total = value(c, in, Quantity::Total);
    if (c.failed())
        return c.failure();
    const double primary = total / secondary;
    if (!spurComputed)
        c.divisor(primary, PrimaryRatio());
    if (c.failed())
        return c.failure();

    const double unrounded = spurComputed ? primary * otherValue : otherValue / primary;
    const qint16 result = c.count(unrounded, info(computed).fieldName);
    double spur = spurComputed ? result : otherValue;
    double pinion = spurComputed ? otherValue : result;
    const bool adjust = !in.keepOtherGear && std::fabs(unrounded - result) > AdjustLimit;
    if (adjust) {
        if (spurComputed)
            pinion = c.count(spur / c.divisor(primary, PrimaryRatio()), info(other).fieldName);
        else
            spur = c.count(primary * pinion, info(other).fieldName);
    }
    c.divisor(pinion, pinionName);
    const double achieved = c.finite(spur / pinion * secondary, info(Quantity::Total).fieldName);
    if (c.failed())
        return c.failure();

    Outcome out;
    out.values[size_t(computed)] = NumberText::count(result);
    if (adjust)
        out.values[size_t(other)] = NumberText::count(int(spurComputed ? pinion : spur));
    out.status = adjust ? info(computed).finishedBoth : info(computed).finished;
    out.values[size_t(Quantity::Total)] = NumberText::ratio5(achieved);
    return out;
}

Result<Outcome> calculateTotal(const Setup& in)
{
    Check c;
    requireSet(c, in, {Quantity::Secondary, Quantity::Spur, Quantity::Pinion});
    const double secondary = value(c, in, Quantity::Secondary);
    const double spur = value(c, in, Quantity::Spur);
    const double pinion =
        c.divisor(value(c, in, Quantity::Pinion), info(Quantity::Pinion).fieldName);
    const double total = c.finite(spur / pinion * secondary, info(Quantity::Total).fieldName);
    if (c.failed())
        return c.failure();
    Outcome out;
    out.values[size_t(Quantity::Total)] = NumberText::ratio5(total);
    out.status = info(Quantity::Total).finished;
    return out;
}

} // namespace

QString announcement(Quantity quantity) { return info(quantity).announcement; }

bool isToothCount(Quantity quantity)
{
    return quantity == Quantity::Spur || quantity == Quantity::Pinion;
}

Result<Outcome> CalculateSelected(const Setup& setup)
{
    switch (setup.starred) {
    case Quantity::Secondary:
        return calculateSecondary(setup);
    case Quantity::Spur:
    case Quantity::Pinion:
        return calculateCount(setup, setup.starred);
    case Quantity::Total:
        break;
    }
    return calculateTotal(setup);
}

} // namespace GearCalc
