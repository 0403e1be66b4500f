#pragma once

#include "calc/ranges.h"
#include "common/result.h"
#include "form/form.h"

// The wanted-ratio survey: every spur/pinion pair of the ranges into the grid,
// the near ones red, the closest light blue and taken into the inputs.
namespace Survey {

struct Request
{
    double wanted = 0.0;
    double secondary = 0.0;
    Ranges::Axes axes;
};

// Everything the survey needs, checked before anything changes, so a refused
// survey leaves the window as it was: the first problem comes back.
Result<Request> read(const Form& form);

// Runs the survey: the total's star, the grid, the status line and, when a
// pair lies within 10.0 of the wanted ratio, the closest taken into the inputs.
void SurveyWantedRatio(Form& form, const Request& request);

} // namespace Survey
