#include "units.h"

#include "common/numbertext.h"

#include <cmath>

namespace Units {

namespace {
// A value as a short plain decimal: enough places that 3-decimal inches and
// 1-decimal mph come back exact, trailing zeros dropped ("64.008", "50.372467").
QString plain(double value, int decimals)
{
    QString text = NumberText::fixed(value, decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == QStringLiteral("-0"))
        text = QStringLiteral("0");
    return text;
}
} // namespace

QString lengthText(double mm, System system)
{
    return system == System::Metric ? NumberText::fixed(mm, 2) : NumberText::fixed(toInch(mm), 3);
}

QString speedText(double kmh, System system)
{
    return NumberText::fixed(system == System::Metric ? kmh : toMph(kmh), 1);
}

QString lengthUnit(System system)
{
    return system == System::Metric ? QStringLiteral("mm") : QStringLiteral("in");
}

QString speedUnit(System system)
{
    return system == System::Metric ? QStringLiteral("km/h") : QStringLiteral("mph");
}

QString lengthWithUnit(double mm, System system)
{
    return lengthText(mm, system) + (system == System::Metric ? QString() : QStringLiteral(" ")) +
           lengthUnit(system);
}

QString speedWithUnit(double kmh, System system)
{
    return speedText(kmh, system) + (system == System::Metric ? QString() : QStringLiteral(" ")) +
           speedUnit(system);
}

QString lengthSpaced(double mm, System system)
{
    return lengthText(mm, system) + u' ' + lengthUnit(system);
}

QString typedToMetric(Quantity quantity, const QString& typed, System system)
{
    if (system == System::Metric)
        return typed;
    const auto value = NumberText::toDouble(typed);
    if (!value)
        return typed;
    const double metric = quantity == Quantity::Length ? fromInch(*value) : fromMph(*value);
    // Beyond doubles the typed text stays as it was, for the model to refuse.
    if (!std::isfinite(metric))
        return typed;
    // 25.4 has one decimal and 1.609344 six: 3-decimal inches and 1-decimal
    // mph need at most 4 and 7 places, so 8 keeps what was typed exactly.
    return plain(metric, 8);
}

QString metricToTyped(Quantity quantity, const QString& metric, System system)
{
    if (system == System::Metric)
        return metric;
    const auto value = NumberText::toDouble(metric);
    if (!value)
        return metric;
    return quantity == Quantity::Length ? plain(toInch(*value), 3) : plain(toMph(*value), 1);
}

QString code(System system)
{
    return system == System::Metric ? QStringLiteral("metric") : QStringLiteral("imperial");
}

std::optional<System> fromCode(QStringView code)
{
    if (code == u"metric")
        return System::Metric;
    if (code == u"imperial")
        return System::Imperial;
    return std::nullopt;
}

} // namespace Units
