#pragma once

#include "form/form.h"
#include "platform/host.h"

// The wanted-ratio survey: every spur/pinion pair of the ranges into the grid,
// the near ones red, the closest light blue and taken into the inputs.
namespace Survey {

void SurveyWantedRatio(Form& form, Host& host);

} // namespace Survey
