// Number texts: what reads as a number is exactly the documented syntax, a
// count is always within 16 bits and agrees with the value, and every finite
// value shown with fixed() reads back as that value to the shown decimals.

#include "common/numbertext.h"
#include "fuzzsupport.h"

#include <QRegularExpression>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

void checkText(const QString& text)
{
    static const QRegularExpression syntax(
        QStringLiteral("\\A[ \\t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)[ \\t]*\\z"));
    const auto value = NumberText::toDouble(text);
    const bool wellFormed = syntax.match(text).hasMatch();
    if (value) {
        Fuzz::check(wellFormed, "toDouble took a text outside the syntax", text);
        Fuzz::check(std::isfinite(*value), "toDouble gave a value that is not finite", text);
    } else if (wellFormed && text.size() < 300) {
        Fuzz::fail("toDouble refused a short well-formed number", text);
    }

    const auto count = NumberText::toCount(text);
    if (count) {
        Fuzz::check(value.has_value(), "a count of a text that is not a number", text);
        // Held as qint16 it cannot leave 16 bits; it must be the rounded value, not a wrap.
        const long long wide = *count;
        Fuzz::check(wide >= -32768 && wide <= 32767, "count outside 16 bits", text);
        Fuzz::check(double(wide) == NumberText::roundHalfEven(*value),
                    "count is not the rounded value", text);
        Fuzz::check(std::fabs(double(*count) - *value) <= 0.5, "count more than 0.5 away", text);
    } else if (value) {
        Fuzz::check(std::fabs(*value) > 32767.0, "no count for a value within 16 bits", text);
    }
}

void checkValue(double value, int decimals)
{
    if (std::isfinite(value) && std::fabs(value) < 4503599627370496.0) { // 2^52
        const double r = NumberText::roundHalfEven(value);
        const double diff = std::fabs(r - value);
        Fuzz::check(r == std::floor(r) && diff <= 0.5, "roundHalfEven is no nearest whole",
                    QString::number(value, 'g', 17));
        if (diff == 0.5)
            Fuzz::check(std::fmod(r, 2.0) == 0.0, "a half went to the odd neighbour",
                        QString::number(value, 'g', 17));
        const auto c = NumberText::countOf(value);
        Fuzz::check(c.has_value() == (r >= -32768.0 && r <= 32767.0),
                    "countOf disagrees with the range", QString::number(value, 'g', 17));
    }

    const QString shown = NumberText::fixed(value, decimals);
    Fuzz::check(shown == NumberText::fixedExactly(value, decimals),
                "fixed()'s fast path differs from the exact one",
                QString::number(value, 'g', 17) + QStringLiteral(" → ") + shown);
    if (!std::isfinite(value))
        return;
    const QString pattern = decimals > 0
                                ? QStringLiteral("\\A-?[0-9]+\\.[0-9]{%1}\\z").arg(decimals)
                                : QStringLiteral("\\A-?[0-9]+\\z");
    const QString where = QString::number(value, 'g', 17) + QStringLiteral(" → ") + shown;
    Fuzz::check(QRegularExpression(pattern).match(shown).hasMatch(), "fixed() shape", where);
    Fuzz::check(!QRegularExpression(QStringLiteral("\\A-[0.]*\\z")).match(shown).hasMatch(),
                "fixed() shows a negative zero", where);
    const auto back = NumberText::toDouble(shown);
    Fuzz::check(back.has_value(), "fixed() does not read back", where);
    const double tolerance =
        0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-14 * std::fabs(value) + 1e-300;
    Fuzz::check(std::fabs(*back - value) <= tolerance, "fixed() is off by more than a half step",
                where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    checkText(QString::fromUtf8(Fuzz::bytes(data, size)));
    checkText(QString::fromLatin1(Fuzz::bytes(data, size)));
    if (size >= 9) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkValue(value, data[8] % 16);
        // Values people type: a few digits, either side of halves.
        int32_t typed;
        std::memcpy(&typed, data, sizeof typed);
        checkValue(double(typed) / 1000.0, data[8] % 8);
    }
    return 0;
}
