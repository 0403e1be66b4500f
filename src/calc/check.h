#pragma once

#include "common/result.h"

#include <QString>
#include <QtGlobal>

#include <utility>

// What a step is called in its message: a text, or the function that
// translates one, called only when a message is made. A rollout table of
// 40 000 cells names its steps 200 000 times and fails none of them.
class StepName
{
public:
    StepName(QString text) : m_text(std::move(text)) {}
    StepName(const char* text) : m_text(QString::fromUtf8(text)) {}
    StepName(QString (*translated)()) : m_translated(translated) {}
    QString text() const { return m_translated ? m_translated() : m_text; }

private:
    QString m_text;
    QString (*m_translated)() = nullptr;
};

// The checks of one calculation, its inputs and its steps: not set, not a
// number, not above 0, a divisor of 0, too large to show, beyond a 16-bit
// count. The user hears of the first problem only, so that one is kept; after
// it every step gives 0 and checks nothing, and no inf or NaN travels on.
class Check
{
public:
    bool failed() const { return m_failed; }
    // Keeps the message unless an earlier problem came first.
    void fail(const QString& message);

    // An input the calculation needs: "…が設定されていません" when not set.
    void require(bool set, const QString& what);
    // A typed number in NumberText's grammar, of any sign.
    double value(const QString& field, const QString& text);
    // A typed number that must lie above 0; a blank text is not set.
    double read(const QString& field, const QString& text);
    // A typed whole count within 16 bits (halves round to even).
    int whole(const QString& field, const QString& text);
    // A value about to divide; `what` names it in the message.
    double divisor(double v, StepName what);
    // a ÷ b with b named `divisor` and the quotient named `result`.
    double quotient(double a, double b, StepName divisor, StepName result);
    // A result beyond the range of numbers is refused, never shown as 0.
    double finite(double v, StepName what);
    // A computed count, rounded (halves to even), within 16 bits.
    qint16 count(double v, StepName what);
    // Takes an earlier result's value, or its failure.
    template <typename T> T take(const Result<T>& r)
    {
        if (!r)
            fail(r.error());
        return r && !failed() ? *r : T();
    }

    const Failure& failure() const { return m_failure; }
    template <typename T> Result<T> result(T value) const
    {
        if (failed())
            return m_failure;
        return value;
    }
    Result<> done() const { return result(std::monostate()); }

private:
    Failure m_failure;
    bool m_failed = false;
};
