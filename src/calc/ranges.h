#pragma once

#include "calc/inputtext.h"
#include "common/result.h"

#include <QList>

// The spur and pinion values that the ratio grid and the survey cover, read
// from the range selectors: start, start + interval, … up to start + width,
// the first value always taken.
namespace Ranges {

// The most values one axis may hold; the grid grows to fit up to this, and no
// other table of teeth scans more.
constexpr int MaxValues = 200;

struct Axes
{
    QList<int> spurs;
    QList<int> pinions;
};

// The six range selectors as the window shows them, each set or not.
struct Selection
{
    InputText spurStart, spurWidth, pinionStart, pinionWidth;
    InputText spurInterval, pinionInterval;
};

// Which selectors anyUnset looks at: the starts and widths, or the intervals too.
enum class Selectors { RangesOnly, WithIntervals };
bool anyUnset(const Selection& selection, Selectors which);

// What an empty interval selector means: a text to read like any other, or 1.
enum class EmptyInterval { AsTyped, AsOne };

// Reads the six range selectors, set or not. Texts that are not whole numbers within 16
// bits, ends beyond 16 bits, intervals below 1 and ranges of more than
// MaxValues values give the first problem, by the field's name.
Result<Axes> read(const Selection& selection, EmptyInterval empty);

// What an empty secondary ratio means: not set, or 0.
enum class EmptyRatio { NotSet, AsZero };

// The secondary ratio of the quantity panel, as held, as a number.
Result<double> secondaryRatio(const QString& text, EmptyRatio empty);

} // namespace Ranges
