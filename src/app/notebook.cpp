#include "notebook.h"

#include "app/formprojection.h"
#include "calc/drive.h"
#include "common/numbertext.h"
#include "common/usertext.h"
#include "notebook/gearmessages.h"
#include "notebook/notebookmessages.h"

#include <QCoreApplication>
#include <QLatin1String>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <numeric>
#include <optional>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Notebook)
};
} // namespace

QStringList Notebook::columnTitles()
{
    return {
        Tr::tr("日時"),   Tr::tr("マシン"),       Tr::tr("コース"),       Tr::tr("ピニオン/スパー"),
        Tr::tr("減速比"), Tr::tr("ロールアウト"), Tr::tr("モーター温度"), Tr::tr("ベストラップ")};
}

QString Notebook::filePath() const { return m_main.files().path(FileName); }

const ClickTable<Notebook>& Notebook::clicks()
{
    // Every button and menu item of the window, named once.
    static const ClickTable<Notebook> table = [] {
        ClickTable<Notebook> t;
        ZELTAN_ADD_CLICK(t, Notebook, record);
        ZELTAN_ADD_CLICK(t, Notebook, save);
        ZELTAN_ADD_CLICK(t, Notebook, remove);
        ZELTAN_ADD_CLICK(t, Notebook, restore);
        ZELTAN_ADD_CLICK(t, Notebook, exportCsv);
        ZELTAN_ADD_CLICK(t, Notebook, importCsv);
        ZELTAN_ADD_CLICK(t, Notebook, printEntry);
        ZELTAN_ADD_CLICK(t, Notebook, pdfEntry);
        ZELTAN_ADD_CLICK(t, Notebook, printHistory);
        ZELTAN_ADD_CLICK(t, Notebook, pdfHistory);
        ZELTAN_ADD_CLICK(t, Notebook, printChart);
        return t;
    }();
    return table;
}

bool Notebook::raise(QStringView name)
{
    m_ranMain = false;
    m_done.clear();
    finishOpening();
    return clicks().run(*this, name);
}

// ---- The list ------------------------------------------------------------

bool Notebook::reload()
{
    auto index = m_store.index();
    if (!index) {
        m_host.message(index.error());
        return false;
    }
    m_index = std::move(*index);
    indexChanged();
    return true;
}

void Notebook::indexChanged()
{
    m_carIds.clear();
    m_trackIds.clear();
    for (qint32 i = 0; i < m_index.cars.size(); ++i)
        m_carIds.insert(m_index.cars[i], i);
    for (qint32 i = 0; i < m_index.tracks.size(); ++i)
        m_trackIds.insert(m_index.tracks[i], i);
    refilter();
}

bool Notebook::followOtherCopies()
{
    // The opening reads what others wrote when it ends.
    return !opening() && m_store.changedElsewhere() && reload();
}

void Notebook::refilter()
{
    const qint32 car = m_carFilter.isEmpty() ? -1 : m_carIds.value(m_carFilter, -2);
    const qint32 track = m_trackFilter.isEmpty() ? -1 : m_trackIds.value(m_trackFilter, -2);
    m_shown.clear();
    m_shown.reserve(m_index.rows.size());
    const auto& rows = m_index.rows;
    for (size_t i = 0; i < rows.size(); ++i)
        if ((car == -1 || rows[i].car == car) && (track == -1 || rows[i].track == track))
            m_shown.push_back(qsizetype(i));
    sortShown();
    // The runs a racer looks for first: the fastest lap, the coolest and the
    // hottest motor.
    m_fastest = m_coolest = m_hottest = 0;
    const NotebookRow* best = nullptr;
    double fastest = INFINITY, coolest = INFINITY, hottest = -INFINITY;
    for (qsizetype i : m_shown) {
        const NotebookRow& r = rows[size_t(i)];
        if (const double lap = r.charted(r.lap, NotebookRow::Lap); lap < fastest) {
            fastest = lap;
            m_fastest = r.id;
            best = &r;
        }
        const double temp = r.charted(r.temp, NotebookRow::Temp);
        if (temp < coolest) {
            coolest = temp;
            m_coolest = r.id;
        }
        if (temp > hottest) {
            hottest = temp;
            m_hottest = r.id;
        }
    }
    // One temperature, or all alike: the run is the coolest, not both.
    if (m_hottest == m_coolest)
        m_hottest = 0;
    describeTrack(best);
    ++m_revision;
}

namespace {
// The advice in one sentence, or why there is none.
QString adviceText(const RolloutAdvice::Advice& a, double tempLimit)
{
    namespace M = NotebookMessages;
    using RolloutAdvice::Refusal;
    const QString limit = NumberText::fixed(tempLimit, 0);
    switch (a.refusal) {
    case Refusal::None: {
        // Cut, never rounded, to the tenth shown: a shown rollout is never
        // one the fit puts over the limit.
        const QString rollout = NumberText::fixed(std::floor(a.rollout * 10 + 1e-9) / 10, 1);
        switch (a.beyond) {
        case RolloutAdvice::Beyond::Nothing:
            return M::rolloutAdvice(limit, rollout, a.runs);
        case RolloutAdvice::Beyond::Largest:
            return M::rolloutAdviceAboveTried(limit, rollout, a.runs,
                                              Drive::mmText(a.largestTried));
        case RolloutAdvice::Beyond::Smallest:
            return M::rolloutAdviceBelowTried(limit, rollout, a.runs,
                                              Drive::mmText(a.smallestTried));
        }
        break;
    }
    case Refusal::TooFewRuns:
        return M::noAdviceFewRuns(a.runs, RolloutAdvice::MinRuns);
    case Refusal::OneRollout:
        return M::noAdviceOneRollout();
    case Refusal::SlopeNotPositive:
        return M::noAdviceNotHotter();
    case Refusal::WeakFit:
        return M::noAdviceWeakFit(NumberText::fixed(a.r2, 2));
    case Refusal::NoneUnderLimit:
        return M::noAdviceOverLimit(limit);
    }
    return QString();
}
} // namespace

void Notebook::describeTrack(const NotebookRow* best)
{
    namespace M = NotebookMessages;
    m_trackLine.clear();
    m_advice = RolloutAdvice::advise({}, m_tempLimit);
    if (m_carFilter.isEmpty() || m_trackFilter.isEmpty() || m_shown.empty())
        return;
    const auto& rows = m_index.rows;
    qint64 newest = rows[size_t(m_shown.front())].taken;
    // The newest run with its gearing and rollout: what an owned pair's rollout is scaled from.
    const NotebookRow* geared = nullptr;
    std::vector<RolloutAdvice::Point> points;
    for (qsizetype i : m_shown) {
        const NotebookRow& r = rows[size_t(i)];
        newest = std::max(newest, r.taken);
        if (r.spur > 0 && r.pinion > 0 &&
            NotebookRow::has(r.charted(r.rollout, NotebookRow::Rollout)) &&
            (!geared || r.taken > geared->taken))
            geared = &r;
        const double rollout = r.charted(r.rollout, NotebookRow::Rollout),
                     temp = r.charted(r.temp, NotebookRow::Temp);
        if (NotebookRow::has(rollout) && NotebookRow::has(temp))
            points.push_back({rollout, temp});
    }
    const QString newestText = notebookDateText(QDateTime::fromSecsSinceEpoch(newest));
    const qsizetype runs = qsizetype(m_shown.size());
    if (best) {
        auto noted = [&](int column) {
            const QString text = rowText(*best, column);
            return text.isEmpty() ? M::notNoted() : text;
        };
        const QString rollout = rowText(*best, Rollout);
        m_trackLine =
            M::trackMemory(noted(Lap), noted(Gears),
                           rollout.isEmpty() ? M::notNoted() : rollout + QStringLiteral(" mm"),
                           noted(Temp), newestText, runs);
    } else {
        m_trackLine = M::trackMemoryNoLap(newestText, runs);
    }

    m_advice = RolloutAdvice::advise(points, m_tempLimit);
    m_trackLine += adviceText(m_advice, m_tempLimit);
    if (m_advice.advised() && geared)
        m_trackLine += ownedAdvice(*geared);
}

void Notebook::setTempLimit(double limit)
{
    m_tempLimit = limit;
    refilter();
}

QString Notebook::ownedAdvice(const NotebookRow& newest)
{
    // Nothing owned, or the file unreadable: the advice stands without it.
    const auto inventory = m_store.inventory();
    const auto run = m_store.entry(newest.id);
    if (!inventory || !run)
        return QString();
    const OwnedGearList* gears = inventory->gearsOf(run->module.trimmed());
    if (!gears || gears->spurs.isEmpty() || gears->pinions.isEmpty())
        return QString();
    OwnedGears::Mount mount;
    if (const CarMount* m = inventory->mountOf(run->car, run->module.trimmed()))
        mount = {m->least, m->most};
    // A pair's rollout scales from the newest run's: rollout × (its spur/pinion)
    // ÷ (the pair's), the car's secondary ratio and tyre being the same. As a
    // secondary of 1 and a tyre of k/π, rank() works it out.
    const double k = newest.rollout * newest.spur / newest.pinion;
    const auto ranked =
        OwnedGears::rank(gears->spurs, gears->pinions, mount, 1.0, k / std::numbers::pi, 1.0);
    const auto below = OwnedGears::closestBelow(ranked, m_advice.rollout);
    return below ? GearMessages::adviceOwned(below->pinion, below->spur)
                 : GearMessages::adviceOwnedNone();
}

void Notebook::sortBy(int column, bool descending)
{
    m_sortColumn = column;
    m_sortDescending = descending;
    refilter();
}

namespace {
// Each name's place in the locale's order, equal for names it orders alike,
// so a sort compares numbers instead of collating names at every step; the
// last place is the blank name a number beyond the list has.
std::vector<int> nameRanks(QList<QString> names)
{
    names.append(QString());
    std::vector<qsizetype> order(size_t(names.size()));
    std::iota(order.begin(), order.end(), 0);
    auto compare = [&](qsizetype a, qsizetype b) {
        return QString::localeAwareCompare(names[a], names[b]);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return compare(a, b) < 0; });
    std::vector<int> ranks(order.size());
    int rank = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && compare(order[i - 1], order[i]) != 0)
            ++rank;
        ranks[size_t(order[i])] = rank;
    }
    return ranks;
}
} // namespace

void Notebook::sortShown()
{
    // The index is newest first already.
    if (m_sortColumn == Date && m_sortDescending)
        return;
    const auto& rows = m_index.rows;
    const bool byCar = m_sortColumn == Car;
    const std::vector<int> ranks = byCar || m_sortColumn == Track
                                       ? nameRanks(byCar ? m_index.cars : m_index.tracks)
                                       : std::vector<int>();
    auto rankOf = [&](qint32 number) {
        return double(number >= 0 && size_t(number) < ranks.size() - 1 ? ranks[size_t(number)]
                                                                       : ranks.back());
    };
    // Blank and stray values go last, whichever way the column is sorted.
    auto value = [&](const NotebookRow& r) -> double {
        switch (m_sortColumn) {
        case Date:
            return double(r.taken);
        case Car:
            return rankOf(r.car);
        case Track:
            return rankOf(r.track);
        case Gears:
            return r.pinion < 0 ? NAN : r.pinion * 100000.0 + std::max(r.spur, 0);
        case Ratio:
            return r.charted(r.total, NotebookRow::Total);
        case Rollout:
            return r.charted(r.rollout, NotebookRow::Rollout);
        case Temp:
            return r.charted(r.temp, NotebookRow::Temp);
        case Lap:
            return r.charted(r.lap, NotebookRow::Lap);
        }
        return NAN;
    };
    // Each row's key is worked out once, not at every comparison.
    std::vector<std::pair<double, qsizetype>> keyed;
    keyed.reserve(size_t(m_shown.size()));
    for (qsizetype i : m_shown)
        keyed.emplace_back(value(rows[size_t(i)]), i);
    const bool down = m_sortDescending;
    std::stable_sort(keyed.begin(), keyed.end(), [down](const auto& a, const auto& b) {
        if (std::isnan(a.first) || std::isnan(b.first))
            return !std::isnan(a.first) && std::isnan(b.first);
        return down ? a.first > b.first : a.first < b.first;
    });
    for (size_t k = 0; k < keyed.size(); ++k)
        m_shown[qsizetype(k)] = keyed[k].second;
}

void Notebook::setFilter(const QString& car, const QString& track)
{
    m_carFilter = car;
    m_trackFilter = track;
    refilter();
}

namespace {
// The names whose number some row holds, sorted: flags by number, no hashing,
// so a hundred thousand rows take a fraction of a millisecond.
template <typename Holds>
QStringList namesUsed(const std::vector<NotebookRow>& rows, const QList<QString>& names,
                      qint32 NotebookRow::*field, Holds holds)
{
    std::vector<char> used(size_t(names.size()), 0);
    for (const NotebookRow& r : rows)
        if (holds(r) && r.*field >= 0 && r.*field < names.size())
            used[size_t(r.*field)] = 1;
    QStringList out;
    // A run noted without a car or track has no name to pick: "all" shows it.
    for (size_t i = 0; i < used.size(); ++i)
        if (used[i] && !names[qsizetype(i)].isEmpty())
            out << names[qsizetype(i)];
    out.sort();
    return out;
}
} // namespace

QStringList Notebook::carNames() const
{
    return namesUsed(m_index.rows, m_index.cars, &NotebookRow::car,
                     [](const NotebookRow&) { return true; });
}

QStringList Notebook::trackNames() const
{
    const qint32 car = m_carFilter.isEmpty() ? -1 : m_carIds.value(m_carFilter, -2);
    return namesUsed(m_index.rows, m_index.tracks, &NotebookRow::track,
                     [car](const NotebookRow& r) { return car == -1 || r.car == car; });
}

qsizetype Notebook::shownIndexOf(qint64 id) const
{
    for (size_t i = 0; i < m_shown.size(); ++i)
        if (m_index.rows[size_t(m_shown[i])].id == id)
            return qsizetype(i);
    return -1;
}

QString Notebook::cellText(qsizetype i, int column) const { return rowText(shownRow(i), column); }

QString Notebook::rowText(const NotebookRow& r, int column) const
{
    // A stray value as it is stored, marked.
    auto shown = [&](NotebookRow::Stray which, const QString& text) {
        return r.stray(which)
                   ? m_index.strayTexts.value({r.id, which}) + NotebookMessages::StrayMark()
                   : text;
    };
    auto teeth = [&](NotebookRow::Stray which, qint32 n) {
        return shown(which, n < 0 ? QString() : QString::number(n));
    };
    switch (column) {
    case Date:
        return notebookDateText(QDateTime::fromSecsSinceEpoch(r.taken));
    case Car:
        return carName(r.car);
    case Track:
        return trackName(r.track);
    case Gears: {
        const QString pinion = teeth(NotebookRow::Pinion, r.pinion),
                      spur = teeth(NotebookRow::Spur, r.spur);
        return pinion.isEmpty() && spur.isEmpty() ? QString() : pinion + u'/' + spur;
    }
    case Ratio:
        return shown(NotebookRow::Total,
                     NotebookRow::has(r.total) ? NumberText::ratio3(r.total) : QString());
    case Rollout:
        return shown(NotebookRow::Rollout,
                     NotebookRow::has(r.rollout) ? Drive::mmText(r.rollout) : QString());
    case Temp:
        return shown(NotebookRow::Temp, NotebookRow::has(r.temp)
                                            ? NumberText::fixed(r.temp, 1) + QStringLiteral("℃")
                                            : QString());
    case Lap:
        return shown(NotebookRow::Lap, NotebookRow::has(r.lap)
                                           ? Tr::tr("%1秒").arg(NumberText::fixed(r.lap, 3))
                                           : QString());
    }
    return QString();
}

QString Notebook::pointText(qint64 id) const
{
    const qsizetype i = shownIndexOf(id);
    if (i < 0)
        return QString();
    const bool byRatio = m_axis == NotebookChart::XKind::Ratio;
    QStringList parts = {cellText(i, Date)};
    const QString gear = cellText(i, byRatio ? Ratio : Rollout);
    if (!gear.isEmpty())
        parts << (byRatio ? Tr::tr("減速比 %1") : Tr::tr("ロールアウト %1")).arg(gear);
    for (int column : {Temp, Lap})
        if (const QString value = cellText(i, column); !value.isEmpty())
            parts << value;
    return parts.join(Tr::tr("、"));
}

bool Notebook::hasStray(qsizetype i) const { return shownRow(i).strays != 0; }

NotebookChart::Plot Notebook::chart(NotebookChart::XKind kind) const
{
    NotebookChart::Plot plot = NotebookChart::build(m_index.rows, m_shown, kind, m_selected);
    // The line the advice rests on, drawn where its points are.
    if (kind == NotebookChart::XKind::Rollout && m_advice.fitted())
        plot.tempFit = {m_advice.slope, m_advice.intercept, m_advice.residualSd};
    return plot;
}

// ---- The entry being edited ------------------------------------------------

bool Notebook::draftChanged() const
{
    return draftDate != m_loadedDate || !draft.sameRun(m_loaded);
}

bool Notebook::select(qint64 id)
{
    if (id == m_selected)
        return true;
    finishOpening();
    if (draftChanged() && m_host.askYesNo(NotebookMessages::AskSaveDraft())) {
        save_Click();
        if (draftChanged())
            return false;
    }
    m_selected = 0;
    NotebookEntry loaded;
    if (id != 0) {
        const auto found = m_store.entry(id);
        if (found) {
            loaded = *found;
            m_selected = id;
        }
    }
    draft = m_loaded = loaded;
    draftDate = m_loadedDate = loaded.taken.isValid() ? notebookDateText(loaded.taken) : QString();
    // 走行計算's ロールアウトを保つ keeps the chosen run's rollout.
    if (m_drive.shown())
        m_drive.setChosenRun(loaded.rollout, draftDate);
    return true;
}

Result<NotebookEntry> Notebook::checkedDraft() const
{
    NotebookEntry e = draft;
    e.id = m_selected;
    // An unchanged date keeps its seconds.
    e.taken = draftDate == m_loadedDate && m_loaded.taken.isValid() ? m_loaded.taken
                                                                    : notebookParseDate(draftDate);
    if (!e.taken.isValid())
        return Failure{NotebookMessages::BadDate()};
    for (const NotebookField& f : notebookFields()) {
        QString& value = e.*f.member;
        if (f.kind != NotebookField::Text)
            value = value.trimmed();
        // A value as stored, unchanged, keeps its bytes whatever it holds
        // (an older file's stray number, another tool's long memo).
        if (e.id != 0 && value == m_loaded.*f.member)
            continue;
        if (const auto problem = f.problem(value))
            return Failure{*problem};
    }
    return e;
}

bool Notebook::take(Result<> done, qint64 changed)
{
    if (!done) {
        m_host.message(done.error());
        return false;
    }
    if (changed == 0)
        return reload();
    // One run changed: its row alone is read, whatever the notebook holds.
    if (const auto followed = m_store.follow(m_index, changed); !followed) {
        m_host.message(followed.error());
        return false;
    }
    indexChanged();
    return true;
}

void Notebook::save_Click()
{
    if (!isOpen()) {
        m_host.message(NotebookMessages::NotOpen());
        return;
    }
    const auto checked = checkedDraft();
    if (!checked) {
        m_host.message(checked.error());
        return;
    }
    qint64 id = checked->id;
    Result<> done;
    if (id == 0) {
        const auto added = m_store.add(*checked);
        done = added ? Result<>() : Result<>(added.failure());
        id = added ? *added : 0;
    } else {
        done = m_store.update(*checked);
        if (!done && done.error() == NotebookMessages::Vanished()) {
            // What was typed is never dropped: a new run, or it stays in the fields.
            if (!m_host.askYesNo(NotebookMessages::AskSaveVanished()))
                return;
            NotebookEntry fresh = *checked;
            fresh.id = 0;
            const auto added = m_store.add(fresh);
            done = added ? Result<>() : Result<>(added.failure());
            id = added ? *added : 0;
        }
    }
    if (!take(done, id))
        return;
    m_loaded = draft = *checked;
    m_loaded.id = draft.id = m_selected = id;
    m_loadedDate = draftDate = notebookDateText(checked->taken);
    m_done = NotebookMessages::Saved();
}

void Notebook::remove_Click()
{
    if (m_selected == 0) {
        m_host.message(NotebookMessages::NothingSelected());
        return;
    }
    if (!m_host.askYesNo(NotebookMessages::AskDelete()))
        return;
    if (take(m_store.remove(m_selected), m_selected)) {
        m_loaded = draft = NotebookEntry();
        m_loadedDate = draftDate = QString();
        m_selected = 0;
        m_done = NotebookMessages::Deleted();
    }
}

// ---- Recording and restoring -----------------------------------------------

NotebookEntry Notebook::fromWindows() const
{
    const Form& f = m_main.form();
    NotebookEntry e;
    e.taken = QDateTime::currentDateTime();
    e.taken.setTime(QTime(e.taken.time().hour(), e.taken.time().minute(), e.taken.time().second()));
    // Until a car is picked the title shows the window's own caption, which
    // names no car: the car of the filter is meant then, or none.
    e.car = FormProjection::car(f).value_or(m_carFilter);
    e.secondary = f.secondaryRatio().text.trimmed();
    e.spur = f.spurTeeth().text.trimmed();
    e.pinion = f.pinionTeeth().text.trimmed();
    e.total = f.totalRatio().text.trimmed();
    e.module = f.module().text.trimmed();
    // The track of the filter, else the one this car last ran on.
    e.track = m_trackFilter;
    if (e.track.isEmpty()) {
        const qint32 car = m_carIds.value(e.car, -2);
        for (const NotebookRow& r : m_index.rows) {
            if (r.car == car) {
                e.track = trackName(r.track);
                break;
            }
        }
    }
    return e;
}

void Notebook::record_Click()
{
    if (!isOpen()) {
        m_host.message(NotebookMessages::NotOpen());
        return;
    }
    if (!select(0))
        return;
    NotebookEntry e = fromWindows();
    m_drive.catchUp();
    const DriveTool::Fields& typed = m_drive.fields;
    e.tyre = typed.tyreDiameter.trimmed();
    e.kv = typed.kv.trimmed();
    e.voltage = typed.voltage.trimmed();
    e.motorRpm = typed.motorRpm.trimmed();
    const auto tool = Drive::readTool({e.tyre, e.kv, e.voltage, e.motorRpm, e.module, {}});
    const auto gear = Drive::readGear({e.secondary, e.spur, e.pinion});
    if (tool && gear)
        if (const auto figures = Drive::figures(*tool, *gear))
            e.rollout = Drive::mmText(figures->rollout);
    draft = e;
    draftDate = notebookDateText(e.taken);
    m_done.clear();
    save_Click();
    if (!m_done.isEmpty())
        m_done = NotebookMessages::Recorded();
}

std::optional<NotebookEntry> Notebook::selectedEntry()
{
    if (m_selected == 0) {
        m_host.message(NotebookMessages::NothingSelected());
        return std::nullopt;
    }
    const auto found = m_store.entry(m_selected);
    if (!found) {
        m_host.message(found.error());
        return std::nullopt;
    }
    return *found;
}

void Notebook::restore_Click()
{
    const auto e = selectedEntry();
    if (!e)
        return;
    m_main.restoreGearing({e->car, e->module, e->secondary, e->spur, e->pinion, e->total});
    m_ranMain = true;
    m_drive.catchUp();
    DriveTool::Fields& typed = m_drive.fields;
    // What the run did not note stays as 走行計算 has it.
    if (!e->tyre.isEmpty())
        typed.tyreDiameter = e->tyre;
    if (!e->kv.isEmpty() || !e->voltage.isEmpty() || !e->motorRpm.isEmpty()) {
        typed.kv = e->kv;
        typed.voltage = e->voltage;
        typed.motorRpm = e->motorRpm;
    }
    m_drive.fieldLeft();
    m_drive.refresh();
    m_done = NotebookMessages::Restored();
}
