#include "gearcalc.h"

#include "common/messages.h"
#include "common/numbertext.h"

#include <cmath>
#include <optional>

namespace GearCalc {

namespace {

struct QuantityInfo
{
    Control Form::*value;
    Control Form::*selector;
    QString fieldName;    // as the window titles it
    QString missing;      // what the message says is not set
    QString announcement; // status line when selected
    QString finished;     // status line after the calculation
};

const QuantityInfo& info(Quantity q)
{
    static const QuantityInfo table[] = {
        {&Form::Label6, &Form::Command18, QStringLiteral("２次減速比"),
         QStringLiteral("２次減速比"), QStringLiteral("2次減速比を計算表示します"),
         QStringLiteral("２次減速比計算終了")},
        {&Form::Label7, &Form::Command19, QStringLiteral("スパーギア歯数"),
         QStringLiteral("スパー"), QStringLiteral("ｽﾊﾟｰｷﾞｱ歯数を計算表示します"),
         QStringLiteral("スパー計算終了")},
        {&Form::Label8, &Form::Command20, QStringLiteral("ピニオンギア歯数"),
         QStringLiteral("ピニオン"), QStringLiteral("ﾋﾟﾆｵﾝｷﾞｱ歯数を計算表示します"),
         QStringLiteral("ピニオン計算終了")},
        {&Form::Label9, &Form::Command21, QStringLiteral("減速比"), QStringLiteral("減速比"),
         QStringLiteral("減速比を計算表示します"), QStringLiteral("減速比計算終了")},
    };
    return table[int(q)];
}

// A deviation that reads as 0.3 must not count as above it, whatever binary
// noise the division left behind.
constexpr double AdjustLimit = 0.3 + 1e-9;

// The inputs of one calculation as values; any problem is reported at once.
class Reader
{
public:
    Reader(const Form& form, Host& host) : m_form(form), m_host(host) {}

    bool failed() const { return m_failed; }

    // Every input must be set (in the order given), then be a number.
    bool requireSet(std::initializer_list<Quantity> inputs)
    {
        for (Quantity q : inputs) {
            if (isUnset(m_form.*info(q).value))
                return fail(Messages::notSet(info(q).missing));
        }
        return true;
    }

    double value(Quantity q)
    {
        if (m_failed)
            return 0.0;
        const QString& text = (m_form.*info(q).value).text;
        const auto v = NumberText::toDouble(text);
        if (!v) {
            fail(Messages::notANumber(info(q).fieldName, text));
            return 0.0;
        }
        return *v;
    }

    // A divisor that is zero is reported by the field it came from.
    double divisor(double v, const QString& what)
    {
        if (!m_failed && v == 0.0)
            fail(QStringLiteral("%1が0のため計算できません").arg(what));
        return v;
    }

    // A result beyond the range of numbers is reported, never shown as 0.
    double finite(double v, Quantity q)
    {
        if (!m_failed && !std::isfinite(v))
            fail(QStringLiteral("計算した%1が大きすぎて表示できません").arg(info(q).fieldName));
        return v;
    }

    qint16 count(double v, Quantity q)
    {
        if (m_failed)
            return 0;
        const auto c = NumberText::countOf(v);
        if (!c) {
            fail(QStringLiteral("計算した%1が範囲（-32768～32767）を超えています")
                     .arg(info(q).fieldName));
            return 0;
        }
        return *c;
    }

private:
    bool fail(const QString& message)
    {
        if (!m_failed)
            m_host.message(message);
        m_failed = true;
        return false;
    }

    const Form& m_form;
    Host& m_host;
    bool m_failed = false;
};

const QString PrimaryRatio = QStringLiteral("１次減速比（スパー÷ピニオン）");

void calculateSecondary(Form& f, Reader& in)
{
    if (!in.requireSet({Quantity::Spur, Quantity::Pinion, Quantity::Total}))
        return;
    const double spur = in.value(Quantity::Spur);
    const double pinion = in.divisor(in.value(Quantity::Pinion), info(Quantity::Pinion).fieldName);
    const double total = in.value(Quantity::Total);
    if (in.failed())
        return;
    const double primary = in.divisor(spur / pinion, PrimaryRatio);
    const double secondary = in.finite(total / primary, Quantity::Secondary);
    if (in.failed())
        return;
    f.secondaryRatio().text = NumberText::ratio5(secondary);
    f.statusLine().text = info(Quantity::Secondary).finished;
}

// Spur and pinion share one shape: compute one count from the primary ratio,
// adjust the other when the count lies far from a whole number.
void calculateCount(Form& f, Reader& in, Quantity computed)
{
    const bool spurComputed = computed == Quantity::Spur;
    const Quantity other = spurComputed ? Quantity::Pinion : Quantity::Spur;
    if (!in.requireSet({Quantity::Secondary, spurComputed ? Quantity::Pinion : Quantity::Spur,
                        Quantity::Total}))
        return;
    const double secondary =
        in.divisor(in.value(Quantity::Secondary), info(Quantity::Secondary).fieldName);
    const double otherValue = in.value(other);
    const double total = in.value(Quantity::Total);
    if (in.failed())
        return;
    const double primary = total / secondary;
    if (!spurComputed)
        in.divisor(primary, PrimaryRatio);
    if (in.failed())
        return;

    const double unrounded = spurComputed ? primary * otherValue : otherValue / primary;
    const qint16 result = in.count(unrounded, computed);
    double spur = spurComputed ? result : otherValue;
    double pinion = spurComputed ? otherValue : result;
    const bool adjust = !f.keepOtherGear().checked && std::fabs(unrounded - result) > AdjustLimit;
    if (adjust) {
        if (spurComputed)
            pinion = in.count(spur / in.divisor(primary, PrimaryRatio), other);
        else
            spur = in.count(primary * pinion, other);
    }
    in.divisor(pinion, info(Quantity::Pinion).fieldName);
    const double achieved = in.finite(spur / pinion * secondary, Quantity::Total);
    if (in.failed())
        return;

    (f.*info(computed).value).text = NumberText::count(result);
    QString status = info(computed).finished;
    if (adjust) {
        (f.*info(other).value).text = NumberText::count(int(spurComputed ? pinion : spur));
        status +=
            spurComputed ? QStringLiteral(" ピニオンも変更") : QStringLiteral(" スパーも変更");
    }
    f.statusLine().text = status;
    f.totalRatio().text = NumberText::ratio5(achieved);
}

void calculateTotal(Form& f, Reader& in)
{
    if (!in.requireSet({Quantity::Secondary, Quantity::Spur, Quantity::Pinion}))
        return;
    const double secondary = in.value(Quantity::Secondary);
    const double spur = in.value(Quantity::Spur);
    const double pinion = in.divisor(in.value(Quantity::Pinion), info(Quantity::Pinion).fieldName);
    const double total = in.finite(spur / pinion * secondary, Quantity::Total);
    if (in.failed())
        return;
    f.totalRatio().text = NumberText::ratio5(total);
    f.statusLine().text = info(Quantity::Total).finished;
}

} // namespace

void select(Form& form, Quantity quantity)
{
    for (Quantity q : {Quantity::Secondary, Quantity::Spur, Quantity::Pinion, Quantity::Total})
        (form.*info(q).selector).text = q == quantity ? Star : QString();
    form.statusLine().text = info(quantity).announcement;
}

Quantity starred(const Form& form)
{
    for (Quantity q : {Quantity::Secondary, Quantity::Spur, Quantity::Pinion, Quantity::Total})
        if ((form.*info(q).selector).text == Star)
            return q;
    return Quantity::Total;
}

void CalculateSelected(Form& form, Host& host)
{
    form.statusLine().text.clear();
    Reader in(form, host);
    switch (starred(form)) {
    case Quantity::Secondary:
        calculateSecondary(form, in);
        break;
    case Quantity::Spur:
    case Quantity::Pinion:
        calculateCount(form, in, starred(form));
        break;
    case Quantity::Total:
        calculateTotal(form, in);
        break;
    }
}

} // namespace GearCalc
