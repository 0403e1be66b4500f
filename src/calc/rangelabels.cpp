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
QString caption(const QString& title, const InputText& start, const InputText& width)
{
    const auto s = NumberText::toCount(start.text);
    const auto w = NumberText::toCount(width.text);
    // Texts that are not counts get no made-up end.
    const QString end =
        s && w ? NumberText::fixed(double(*s) + double(*w), 0) : QStringLiteral("?");
    return Messages::rangeLabel(title, start.text, end);
}
} // namespace

std::optional<Captions> captions(const Ranges::Selection& s)
{
    if (Ranges::anyUnset(s, Ranges::Selectors::RangesOnly))
        return std::nullopt;
    return Captions{caption(Tr::tr("スパー範囲"), s.spurStart, s.spurWidth),
                    caption(Tr::tr("ピニオン範囲"), s.pinionStart, s.pinionWidth)};
}

} // namespace RangeLabels
