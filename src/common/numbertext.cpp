#include "numbertext.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace NumberText {

namespace {
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
} // namespace

namespace {
// The number grammar as plain ASCII for the parser ('+' dropped), or none.
std::optional<std::string> numberChars(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    std::string ascii;
    ascii.reserve(std::size_t(end - begin));
    qsizetype i = begin;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii.push_back('-');
        ++i;
    }
    int digits = 0;
    int points = 0;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            ++digits;
        } else if (c == u'.') {
            if (++points > 1)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        ascii.push_back(char(c.unicode()));
    }
    if (digits == 0)
        return std::nullopt;
    return ascii;
}
} // namespace

bool isNumberText(const QString& text) { return numberChars(text).has_value(); }

std::optional<double> toDouble(const QString& text)
{
    const auto ascii = numberChars(text);
    if (!ascii)
        return std::nullopt;
    // from_chars reads "." as the point under every locale (strtod would
    // follow LC_NUMERIC and read "2.5" as 2 in a comma-decimal locale).
    double value = 0;
    const char* first = ascii->data();
    const char* last = first + ascii->size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::optional<qint16> countOf(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return qint16(rounded);
}

std::optional<qint16> toCount(const QString& text)
{
    const auto value = toDouble(text);
    if (!value)
        return std::nullopt;
    return countOf(*value);
}

namespace {
constexpr qint64 Powers[] = {1,
                             10,
                             100,
                             1000,
                             10000,
                             100000,
                             1000000,
                             10000000,
                             100000000,
                             1000000000,
                             10000000000,
                             100000000000,
                             1000000000000,
                             10000000000000,
                             100000000000000,
                             1000000000000000};

// fixed() in integers for what the grids hold (1 <= |value| < 1e14, up to
// nine decimals): the 15 significant digits are the product with a power of
// ten, rounded. The product is within 1/16 of the exact one, so only a
// fraction near one half could round the wrong way: then, and for a value
// outside that range, std::nullopt and the exact path decides.
std::optional<QString> fixedQuickly(double value, int decimals)
{
    const double a = std::fabs(value);
    if (!(a >= 1.0 && a < 1e14) || decimals < 0 || decimals > 9)
        return std::nullopt;
    int e = 0; // digits before the point, less one (log10 costs more than this)
    while (e < 13 && a >= double(Powers[e + 1]))
        ++e;
    if (e + 1 + decimals > 18) // the digits shown must fit in 64 bits
        return std::nullopt;
    const double product = a * double(Powers[14 - e]);
    const double whole = std::floor(product);
    const double fraction = product - whole;
    if (std::fabs(fraction - 0.5) < 0.125)
        return std::nullopt;
    qint64 digits = qint64(whole) + (fraction > 0.5); // 15 significant digits
    int after = 14 - e;                               // of them after the point
    if (digits == Powers[15]) {                       // 9.99…95 became 10.0…0
        digits /= 10;
        --after;
    }
    if (decimals < after) { // half up to the wanted decimals
        const qint64 cut = Powers[after - decimals];
        const qint64 rest = digits % cut;
        digits = digits / cut + (rest >= cut / 2);
    } else {
        digits *= Powers[decimals - after];
    }
    char text[40];
    char* end = text + sizeof text;
    char* p = end;
    for (int k = 0; k < decimals; ++k, digits /= 10)
        *--p = char('0' + digits % 10);
    if (decimals > 0)
        *--p = '.';
    do {
        *--p = char('0' + digits % 10);
        digits /= 10;
    } while (digits > 0);
    if (std::signbit(value)) // never zero here: |value| >= 1
        *--p = '-';
    return QString::fromLatin1(p, end - p);
}
} // namespace

QString fixed(double value, int decimals)
{
    if (const std::optional<QString> quick = fixedQuickly(value, decimals))
        return *quick;
    return fixedExactly(value, decimals);
}

QString fixedExactly(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (std::fabs(value) >= 1e15) {
        // Whole numbers already: their exact digits, so the text reads back
        // even next to the largest double.
        char big[400];
        const auto r =
            std::to_chars(big, big + sizeof big, value, std::chars_format::fixed, decimals);
        return QString::fromLatin1(big, r.ptr - big);
    }
    // The value as a user reads it: 15 significant digits, which hides the
    // binary noise of sums like 2.675 before the decimal rounding. Built in
    // buffers on the stack: a 200 x 200 grid formats 40 000 of these.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    char mantissa[16];
    int length = 0;
    int exponent = 0;
    for (char* p = buf; p < res.ptr; ++p) {
        if (*p >= '0' && *p <= '9') {
            if (length < int(sizeof mantissa))
                mantissa[length++] = *p;
        } else if (*p == 'e') {
            // to_chars does not terminate its output; parse within its bounds.
            const char* digitsStart = p + 1 + (p[1] == '+');
            std::from_chars(digitsStart, res.ptr, exponent);
            break;
        }
    }
    // Digits of the integer part and the kept decimals: value = 0.d1d2… × 10^(exponent+1).
    const int pointPos = exponent + 1;    // digits before the point in mantissa
    const int keep = pointPos + decimals; // digits kept from mantissa
    QVarLengthArray<char, 64> digits;     // integer part followed by decimals, no point
    bool roundUp = false;
    if (keep < 0) {
        digits.resize(decimals + 1);
        std::fill(digits.begin(), digits.end(), '0');
    } else {
        if (pointPos <= 0) // leading zeros of a value below 1
            digits.resize(-pointPos + 1, '0');
        for (int k = 0; k < keep; ++k)
            digits.append(k < length ? mantissa[k] : '0');
        roundUp = keep < length && mantissa[keep] >= '5';
    }
    if (roundUp) {
        qsizetype k = digits.size() - 1;
        while (k >= 0 && digits[k] == '9')
            digits[k--] = '0';
        if (k >= 0)
            ++digits[k];
        else
            digits.insert(digits.begin(), '1');
    }
    while (digits.size() < decimals + 1)
        digits.insert(digits.begin(), '0');
    const bool negative = std::signbit(value) && std::any_of(digits.begin(), digits.end(),
                                                             [](char c) { return c != '0'; });
    const qsizetype whole = digits.size() - decimals;
    QString out(qsizetype(negative) + digits.size() + (decimals > 0), Qt::Uninitialized);
    QChar* o = out.data();
    if (negative)
        *o++ = u'-';
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i == whole)
            *o++ = u'.';
        *o++ = QLatin1Char(digits[i]);
    }
    return out;
}

std::optional<double> readDecimalExactly(const char* first, const char* last)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::optional<double> readDecimal(const char* first, const char* last)
{
    // Up to 15 digits make a whole number below 2^53 and up to 22 decimals
    // a power of ten that a double holds exactly; their quotient is then
    // rounded once, to the double from_chars gives (Clinger's fast path).
    static constexpr double Tens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* p = first;
    const bool negative = p != last && *p == '-';
    if (negative)
        ++p;
    quint64 whole = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; p != last; ++p) {
        if (*p >= '0' && *p <= '9') {
            if (++digits > 15)
                return readDecimalExactly(first, last);
            whole = whole * 10 + quint64(*p - '0');
            decimals += point;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            return readDecimalExactly(first, last);
        }
    }
    if (digits == 0)
        return readDecimalExactly(first, last);
    const double value = double(whole) / Tens[decimals];
    return negative ? -value : value;
}

} // namespace NumberText
