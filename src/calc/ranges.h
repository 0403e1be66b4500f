#pragma once

#include "form/form.h"
#include "platform/host.h"

#include <QList>
#include <QString>
#include <optional>

// The spur and pinion values that the ratio grid and the survey cover, read
// from the range selectors: start, start + interval, … up to start + width,
// the first value always taken.
namespace Ranges {

// The most values one axis may hold; the grid grows to fit up to this.
constexpr int MaxValues = 200;

struct Axes
{
    QList<int> spurs;
    QList<int> pinions;
};

// Whether a range selector is not set: the starts and widths, and the
// intervals too when withIntervals.
bool anyUnset(const Form& form, bool withIntervals);

// Reads the six range selectors. An empty interval counts as 1 when
// emptyIntervalIsOne. Texts that are not whole numbers within 16 bits, ends
// beyond 16 bits, intervals below 1 and ranges of more than MaxValues values
// are reported through the host by the field's name, and give nothing.
std::optional<Axes> read(const Form& form, Host& host, bool emptyIntervalIsOne);

// The secondary ratio of the quantity panel as a number; an empty caption is
// 0 when emptyIsZero, otherwise reported as not set.
std::optional<double> secondaryRatio(const Form& form, Host& host, bool emptyIsZero);

} // namespace Ranges
