#include "rangelabels.h"

#include "common/messages.h"

#include "calc/ranges.h"
#include "common/numbertext.h"

#include <QCoreApplication>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Ranges)
};
} // namespace

namespace RangeLabels {

namespace {
QString caption(const QString& title, const Control& start, const Control& width)
{
    const auto s = NumberText::toCount(start.text);
    const auto w = NumberText::toCount(width.text);
    // Texts that are not counts get no made-up end.
    const QString end =
        s && w ? NumberText::fixed(double(*s) + double(*w), 0) : QStringLiteral("?");
    return Messages::rangeLabel(title, start.text, end);
}
} // namespace

void ShowRangeLabels(Form& f)
{
    if (Ranges::anyUnset(f, Ranges::Selectors::RangesOnly))
        return;
    f.spurRangeLabel().text = caption(Tr::tr("スパー範囲"), f.spurRangeStart(), f.spurRangeWidth());
    f.pinionRangeLabel().text =
        caption(Tr::tr("ピニオン範囲"), f.pinionRangeStart(), f.pinionRangeWidth());
}

} // namespace RangeLabels
