#include "survey.h"

#include "calc/gearcalc.h"
#include "calc/ranges.h"
#include "calc/ratiogrid.h"
#include "common/colour.h"
#include "common/messages.h"
#include "common/numbertext.h"
#include "platform/busypointer.h"

namespace Survey {

void SurveyWantedRatio(Form& form, Host& host)
{
    // Everything is checked before anything changes, so a refused survey
    // leaves the window as it was.
    if (form.totalRatio().text.isEmpty()) {
        host.message(Messages::notSet(QStringLiteral("減速比")));
        return;
    }
    const auto wanted = NumberText::toDouble(form.totalRatio().text);
    if (!wanted) {
        host.message(Messages::notANumber(QStringLiteral("指定減速比"), form.totalRatio().text));
        return;
    }
    const auto secondary = Ranges::secondaryRatio(form, host, false);
    if (!secondary)
        return;
    if (*secondary == 0.0) {
        host.message(QStringLiteral("２次減速比が0のため計算できません"));
        return;
    }
    const auto axes = Ranges::read(form, host, true);
    if (!axes)
        return;

    BusyPointer busy(host);
    GearCalc::select(form, GearCalc::Quantity::Total);
    const QString status =
        form.module().text + QStringLiteral(" 指定減速比 ") + form.totalRatio().text;
    FlexGrid& grid = form.MSFlexGrid1;
    const auto best = RatioGrid::fill(grid, *axes, *secondary, *wanted);
    if (best) {
        form.statusLine().text = status;
        form.spurTeeth().text = NumberText::count(best->spur);
        form.pinionTeeth().text = NumberText::count(best->pinion);
        form.totalRatio().text = NumberText::ratio5(best->ratio);
        grid.setCurrentCell(best->row, best->col);
        grid.setColour(Colour::LightBlue);
        grid.setBold(true);
        grid.setText(NumberText::ratio3(best->ratio));
    } else {
        form.statusLine().text = status + QStringLiteral(" 該当なし");
    }
    grid.setCurrentCell(0, 0);
    grid.show();
}

} // namespace Survey
