// DriveTool over the gears owned: 手持ちのギアだけ and ロールアウトを保つ.

#include "app/drivetool.h"

#include "calc/ratiogrid.h"
#include "common/numbertext.h"
#include "common/usertext.h"
#include "notebook/gearmessages.h"

#include <numbers>

namespace {
// More would not fit the pane; they are further off anyway.
constexpr size_t ShownPairs = 10;

QString pairText(const OwnedGears::Pair& p, Units::System units)
{
    return GearMessages::pair(p.pinion, p.spur, NumberText::fixed(p.total, 4),
                              Units::lengthSpaced(p.rollout, units), Drive::percentText(p.off));
}
} // namespace

std::optional<GearBox::Owned> DriveTool::ownedNow(double& secondary)
{
    const Form& f = m_main.form();
    const auto read = Drive::positive(Drive::Field::Secondary(), f.secondaryRatio().text);
    if (!read) {
        m_host.message(read.error());
        return std::nullopt;
    }
    secondary = *read;
    const QString module = f.module().text.trimmed();
    if (module.isEmpty()) {
        m_host.message(GearMessages::NoModule());
        return std::nullopt;
    }
    // Read afresh: the gears may have been changed in their window or another copy.
    if (!m_gears.open())
        return std::nullopt;
    const QString car = GearBox::currentCar(f);
    GearBox::Owned owned = m_gears.owned(car, module);
    if (!owned.any()) {
        m_host.message(GearMessages::noneOwned(module));
        return std::nullopt;
    }
    return owned;
}

void DriveTool::ownedSurvey(const Drive::Tool& tool, double ratio, const QString& field,
                            const QString& wanted)
{
    namespace M = GearMessages;
    double secondary = 0;
    const auto owned = ownedNow(secondary);
    if (!owned)
        return;
    const double wantedRollout = std::numbers::pi * tool.tyre / ratio;
    const auto ranked = OwnedGears::rank(owned->spurs, owned->pinions, owned->mount, secondary,
                                         tool.tyre, wantedRollout);
    const QString module = m_main.form().module().text.trimmed();
    if (ranked.empty()) {
        m_host.message(M::noneFits(module, GearBox::currentCar(m_main.form()), owned->mount.least,
                                   owned->mount.most));
        return;
    }
    save();
    m_ownedPairs.clear();
    const auto inBand = std::count_if(ranked.begin(), ranked.end(), OwnedGears::inBand);
    const QString shownWanted = UserText::elided(wanted.trimmed());
    if (inBand > 0) {
        m_ownedNote = M::ownedFound(field, shownWanted, Units::lengthSpaced(wantedRollout, units),
                                    int(inBand), RatioGrid::bandText());
        for (size_t i = 0; i < std::min(size_t(inBand), ShownPairs); ++i)
            m_ownedPairs << pairText(ranked[i], units);
    } else {
        m_ownedNote = M::ownedNoneInBand(field, shownWanted, RatioGrid::bandText(),
                                         pairText(ranked.front(), units));
    }
    m_surveyNote.clear();
    refresh();
}

void DriveTool::setChosenRun(const QString& rollout, const QString& taken)
{
    m_chosenRollout = rollout.trimmed();
    m_chosenTaken = taken;
}

void DriveTool::keepRollout_Click()
{
    namespace M = GearMessages;
    double old = 0;
    if (!m_chosenRollout.isEmpty()) {
        const auto read = Drive::positive(Drive::Field::ReferenceRollout(), m_chosenRollout);
        if (!read) {
            m_host.message(read.error());
            return;
        }
        old = *read;
    } else {
        if (!hasReference()) {
            m_host.message(M::keepNoReference());
            return;
        }
        const auto then = referenceFigures();
        if (!then) {
            m_host.message(then.error());
            return;
        }
        old = then->rollout;
    }
    const auto tool = Drive::readTool(inputs());
    if (!tool) {
        m_host.message(tool.error());
        return;
    }
    double secondary = 0;
    const auto owned = ownedNow(secondary);
    if (!owned)
        return;
    const auto ranked = OwnedGears::keepRollout(owned->spurs, owned->pinions, owned->mount,
                                                secondary, tool->tyre, old);
    if (ranked.empty()) {
        m_host.message(M::noneFits(m_main.form().module().text.trimmed(),
                                   GearBox::currentCar(m_main.form()), owned->mount.least,
                                   owned->mount.most));
        return;
    }
    save();
    const QString oldText = Units::lengthSpaced(old, units),
                  tyre = Units::lengthSpaced(tool->tyre, units);
    m_ownedNote = m_chosenRollout.isEmpty() ? M::keepFound(oldText, tyre)
                                            : M::keepFoundRun(oldText, m_chosenTaken, tyre);
    m_ownedPairs.clear();
    for (size_t i = 0; i < std::min(ranked.size(), ShownPairs); ++i)
        m_ownedPairs << M::keepPair(ranked[i].pinion, ranked[i].spur, oldText,
                                    Units::lengthSpaced(ranked[i].rollout, units),
                                    Drive::percentText(ranked[i].off));
    refresh();
}
