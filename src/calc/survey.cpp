#include "survey.h"

#include "common/messages.h"

#include "calc/check.h"
#include "calc/ratiogrid.h"
#include "common/colour.h"
#include "common/numbertext.h"

#include <QCoreApplication>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Survey)
};
} // namespace

namespace Survey {

Result<Request> read(const Inputs& inputs)
{
    const QString secondaryName = Tr::tr("２次減速比");
    Check c;
    c.require(!inputs.wanted.isEmpty(), Tr::tr("減速比"));
    const double wanted = c.value(Tr::tr("指定減速比"), inputs.wanted);
    const double secondary =
        c.divisor(c.take(Ranges::secondaryRatio(inputs.secondary, Ranges::EmptyRatio::NotSet)),
                  secondaryName);
    if (c.failed())
        return c.failure();
    const auto axes = c.take(Ranges::read(inputs.ranges, Ranges::EmptyInterval::AsOne));
    return c.result(Request{wanted, secondary, axes, inputs.wanted, inputs.module});
}

Outcome SurveyWantedRatio(FlexGrid& grid, const Request& request)
{
    Outcome out;
    const auto best = RatioGrid::fill(grid, request.axes, request.secondary, request.wanted);
    if (best) {
        out.status = Messages::surveyed(request.module, request.wantedText);
        out.taken = Outcome::Taken{NumberText::count(best->spur), NumberText::count(best->pinion),
                                   NumberText::ratio5(best->ratio)};
        grid.setCurrentCell(best->row, best->col);
        grid.setColour(Colour::LightBlue);
        grid.setBold(true);
        grid.setText(NumberText::ratio3(best->ratio));
    } else {
        out.status = Messages::surveyedNone(request.module, request.wantedText);
    }
    grid.setCurrentCell(0, 0);
    grid.show();
    return out;
}

} // namespace Survey
