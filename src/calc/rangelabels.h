#pragma once

#include "form/form.h"

// The spur and pinion range captions above the range selectors.
namespace RangeLabels {

// "スパー範囲 ( 70～85 )": the start as typed, the end from the rounded start
// plus the width. Nothing changes while a range selector is unset.
void ShowRangeLabels(Form& form);

} // namespace RangeLabels
