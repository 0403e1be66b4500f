#pragma once

#include "calc/ranges.h"
#include "common/flexgrid.h"
#include "common/result.h"

#include <QString>
#include <optional>

// The wanted-ratio survey: every spur/pinion pair of the ranges into the grid,
// the near ones red, the closest light blue and taken into the inputs.
namespace Survey {

// The survey's inputs as the window holds them.
struct Inputs
{
    QString wanted;    // the total ratio's text
    QString secondary; // the secondary ratio's text
    Ranges::Selection ranges;
    QString module; // names the gears in the status line
};

struct Request
{
    double wanted = 0.0;
    double secondary = 0.0;
    Ranges::Axes axes;
    QString wantedText; // as typed, for the status line
    QString module;
};

// Everything the survey needs, checked before anything changes, so a refused
// survey leaves the window as it was: the first problem comes back.
Result<Request> read(const Inputs& inputs);

// What a survey changed besides the grid: the status line and, when a pair
// lies within 10.0 of the wanted ratio, the closest pair's texts. The total
// becomes the starred quantity either way.
struct Outcome
{
    struct Taken
    {
        QString spur, pinion, total;
    };
    QString status;
    std::optional<Taken> taken;
};

// Runs the survey into the grid and shows it.
Outcome SurveyWantedRatio(FlexGrid& grid, const Request& request);

} // namespace Survey
