#pragma once

#include "calc/ranges.h"

#include <QString>
#include <optional>

// The spur and pinion range captions above the range selectors.
namespace RangeLabels {

struct Captions
{
    QString spur, pinion;
};

// "スパー範囲 ( 70～85 )": the start as typed, the end from the rounded start
// plus the width. None while a range selector is unset, when the captions stay.
std::optional<Captions> captions(const Ranges::Selection& selection);

} // namespace RangeLabels
