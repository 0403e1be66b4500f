#include "check.h"

#include "common/messages.h"
#include "common/numbertext.h"

#include <cmath>

void Check::fail(const QString& message)
{
    if (m_failed)
        return;
    m_failure = Failure{message};
    m_failed = true;
}

void Check::require(bool set, const QString& what)
{
    if (!set)
        fail(Messages::notSet(what));
}

double Check::value(const QString& field, const QString& text)
{
    if (m_failed)
        return 0.0;
    const auto v = NumberText::toDouble(text);
    if (!v)
        fail(Messages::notANumber(field, text));
    return v.value_or(0.0);
}

double Check::read(const QString& field, const QString& text)
{
    if (m_failed)
        return 0.0;
    require(!text.trimmed().isEmpty(), field);
    const double v = value(field, text);
    if (!m_failed && !(v > 0.0))
        fail(Messages::notPositive(field));
    return m_failed ? 0.0 : v;
}

int Check::whole(const QString& field, const QString& text)
{
    if (m_failed)
        return 0;
    const auto v = NumberText::toCount(text);
    if (!v)
        fail(NumberText::isNumberText(text) ? Messages::beyondCounts(field, text)
                                            : Messages::notANumber(field, text));
    return v.value_or(0);
}

double Check::divisor(double v, StepName what)
{
    if (!m_failed && v == 0.0)
        fail(Messages::zeroDivisor(what.text()));
    return m_failed ? 0.0 : v;
}

double Check::quotient(double a, double b, StepName divisor, StepName result)
{
    const double d = this->divisor(b, divisor);
    return finite(m_failed ? 0.0 : a / d, result);
}

double Check::finite(double v, StepName what)
{
    if (!m_failed && !std::isfinite(v))
        fail(Messages::tooLargeToShow(what.text()));
    return m_failed ? 0.0 : v;
}

qint16 Check::count(double v, StepName what)
{
    if (m_failed)
        return 0;
    const auto c = NumberText::countOf(v);
    if (!c)
        fail(Messages::computedBeyondCounts(what.text()));
    return c.value_or(0);
}
