#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Numbers live as texts in the window's controls; these turn them into values
// and back. Every reader reports "not a number" instead of inventing a zero.
namespace NumberText {

// Optional blanks, optional sign, digits with at most one ".", nothing else.
// "12." and ".5" are numbers; "", ".", "1.2.3" and "Combo1" are not.
// Read the same way under every locale.
std::optional<double> toDouble(const QString& text);

// Whether a text has the form of a number, however large (toDouble gives none
// for a number beyond the range of doubles).
bool isNumberText(const QString& text);

// A value rounded to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// The count of a value: rounded half to even, within −32768…32767.
std::optional<qint16> countOf(double value);

// The count of a text (22.5 → 22, 23.5 → 24); none when the text is not a
// number or the count leaves the 16-bit range.
std::optional<qint16> toCount(const QString& text);

// "0.00000"-style pattern with the given number of decimals: at least one digit
// before the point, halves away from zero on the value as shown to 15
// significant digits (7.954545… → "7.95455", 8 → "8.00000").
QString fixed(double value, int decimals);
// The same by the general path alone, which fixed() takes only where its
// integer fast path (the grids' values) cannot decide; kept to compare them.
QString fixedExactly(double value, int decimals);

// A stored number's bytes as std::from_chars reads them (an optional "-",
// digits with at most one "."; also exponents, "inf" and "nan"), none when
// they are not all one number. Short plain decimals, all a notebook holds,
// take an exact fast path: a hundred thousand runs hold six hundred thousand.
std::optional<double> readDecimal(const char* first, const char* last);
// The same by std::from_chars alone; kept to compare them.
std::optional<double> readDecimalExactly(const char* first, const char* last);

inline QString ratio5(double value) { return fixed(value, 5); }
inline QString ratio3(double value) { return fixed(value, 3); }

// A count as plain digits (74, -3).
inline QString count(int value) { return QString::number(value); }

} // namespace NumberText
