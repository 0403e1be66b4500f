#include "mainsheet.h"

#include "form/controltable.h"

namespace MainSheet {

PrintOut::Sheet sheetOf(const Form& f)
{
    return {f.shown(f.machineTitle()),   f.shown(f.statusLine()),     f.shown(f.Label1),
            f.shown(f.secondaryRatio()), f.shown(f.Label2),           f.shown(f.spurTeeth()),
            f.shown(f.Label3),           f.shown(f.pinionTeeth()),    f.shown(f.Label4),
            f.shown(f.totalRatio()),     ControlTable::contactLine(), f.MSFlexGrid1};
}

PrintPage buildPage(const Form& form) { return PrintOut::buildPage(sheetOf(form)); }

} // namespace MainSheet
