#include "survey.h"

#include "common/messages.h"

#include "calc/check.h"
#include "calc/gearcalc.h"
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

Result<Request> read(const Form& form)
{
    const QString secondaryName = Tr::tr("２次減速比");
    Check c;
    c.require(!form.totalRatio().text.isEmpty(), Tr::tr("減速比"));
    const double wanted = c.value(Tr::tr("指定減速比"), form.totalRatio().text);
    const double secondary =
        c.divisor(c.take(Ranges::secondaryRatio(form, Ranges::EmptyRatio::NotSet)), secondaryName);
    if (c.failed())
        return c.failure();
    const auto axes = c.take(Ranges::read(form, Ranges::EmptyInterval::AsOne));
    return c.result(Request{wanted, secondary, axes});
}

void SurveyWantedRatio(Form& form, const Request& request)
{
    GearCalc::select(form, GearCalc::Quantity::Total);
    const QString module = form.module().text, wanted = form.totalRatio().text;
    FlexGrid& grid = form.MSFlexGrid1;
    const auto best = RatioGrid::fill(grid, request.axes, request.secondary, request.wanted);
    if (best) {
        form.statusLine().text = Messages::surveyed(module, wanted);
        form.spurTeeth().text = NumberText::count(best->spur);
        form.pinionTeeth().text = NumberText::count(best->pinion);
        form.totalRatio().text = NumberText::ratio5(best->ratio);
        grid.setCurrentCell(best->row, best->col);
        grid.setColour(Colour::LightBlue);
        grid.setBold(true);
        grid.setText(NumberText::ratio3(best->ratio));
    } else {
        form.statusLine().text = Messages::surveyedNone(module, wanted);
    }
    grid.setCurrentCell(0, 0);
    grid.show();
}

} // namespace Survey
