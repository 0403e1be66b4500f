#include "drivetool.h"

#include "app/drivefile.h"
#include "app/drivesheet.h"
#include "app/pagedelivery.h"
#include "common/messages.h"
#include "common/numbertext.h"
#include "common/textfile.h"
#include "common/usertext.h"
#include "gearmodules/moduletable.h"

#include <QCoreApplication>
#include <QStringList>

#include <utility>

namespace {

// 走行計算's own sentences, through Qt's translation.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(DriveTool)
};

bool blank(const QString& text) { return text.trimmed().isEmpty(); }

// The main grid's layout and marks with the texts of its ratio cells taken
// from texts (empty without it).
FlexGrid withTexts(const FlexGrid& grid, const FlexGrid* texts)
{
    FlexGrid copy = grid;
    for (int r = grid.fixedRows(); r < grid.rows(); ++r)
        for (int c = grid.fixedCols(); c < grid.cols(); ++c)
            if (!grid.cell(r, c).text.isEmpty() && copy.setCurrentCell(r, c))
                copy.setText(texts ? texts->cell(r, c).text : QString());
    copy.setCurrentCell(0, 0);
    return copy;
}

bool sameHeadings(const FlexGrid& a, const FlexGrid& b)
{
    if (a.rows() != b.rows() || a.cols() != b.cols() || a.fixedRows() != b.fixedRows() ||
        a.fixedCols() != b.fixedCols())
        return false;
    for (int r = 0; r < a.rows(); ++r)
        if (a.cell(r, 0).text != b.cell(r, 0).text)
            return false;
    for (int c = 0; c < a.cols(); ++c)
        if (a.cell(0, c).text != b.cell(0, c).text)
            return false;
    return true;
}
} // namespace

DriveTool::DriveTool(Giadsp& main, Host& host) : m_main(main), m_host(host), m_gears(main, host) {}

QString DriveTool::filePath() const { return m_main.files().path(DriveFile::FileName); }

const ClickTable<DriveTool>& DriveTool::clicks()
{
    // Every button of the window, named once.
    static const ClickTable<DriveTool> table = [] {
        ClickTable<DriveTool> t;
        ZELTAN_ADD_CLICK(t, DriveTool, surveyRollout);
        ZELTAN_ADD_CLICK(t, DriveTool, surveySpeed);
        ZELTAN_ADD_CLICK(t, DriveTool, surveyWheelRpm);
        ZELTAN_ADD_CLICK(t, DriveTool, takeReference);
        ZELTAN_ADD_CLICK(t, DriveTool, keepRollout);
        ZELTAN_ADD_CLICK(t, DriveTool, printSheet);
        ZELTAN_ADD_CLICK(t, DriveTool, explain);
        return t;
    }();
    return table;
}

bool DriveTool::raise(QStringView name)
{
    m_ranMain = false;
    return clicks().run(*this, name);
}

// ---- Opening and saving ----------------------------------------------------

void DriveTool::open()
{
    const Result<QStringList> read = TextFile::read(filePath());
    if (!read && !read.missing())
        m_host.message(read.error());
    const DriveFile::Contents saved = DriveFile::fromLines(read ? *read : QStringList());
    static_cast<Drive::Inputs&>(fields) = saved.inputs;
    m_reference = saved.reference;
    m_referenceInputs = saved.referenceInputs;
    // Written again only once something differs from what was read.
    m_savedLines = savedLines();
    refresh();
}

void DriveTool::show()
{
    if (std::exchange(m_shown, true))
        refresh();
    else
        open();
}

void DriveTool::catchUp()
{
    if (!m_shown)
        open();
}

QStringList DriveTool::savedLines() const
{
    return DriveFile::toLines({inputs(), m_reference, m_referenceInputs});
}

void DriveTool::save()
{
    const QStringList lines = savedLines();
    if (lines == m_savedLines)
        return;
    // A failed write is told once per change, not again at every field left.
    m_savedLines = lines;
    if (const Result<> written = TextFile::writeAtomically(filePath(), lines); !written)
        m_host.message(written.error());
}

void DriveTool::fieldLeft() { save(); }

// ---- Working everything out ------------------------------------------------

Drive::Inputs DriveTool::inputs() const
{
    Drive::Inputs typed = fields;
    typed.moduleName = m_main.form().module().text;
    return typed;
}

Drive::Setup DriveTool::currentSetup() const
{
    const Form& f = m_main.form();
    return {f.secondaryRatio().text, f.spurTeeth().text, f.pinionTeeth().text};
}

bool DriveTool::hasReference() const
{
    return !blank(m_reference.secondary) || !blank(m_reference.spur) || !blank(m_reference.pinion);
}

QList<Drive::PitchRange> DriveTool::pitchRanges() const
{
    QList<Drive::PitchRange> ranges;
    // Without module.dat there is nothing to compare with; the main window
    // tells of the missing file itself.
    const auto modules = ModuleTable::read(m_main.files());
    if (!modules)
        return ranges;
    for (const QString& name : Drive::commonPitches()) {
        const auto found = modules->indexesOf(name);
        if (found.isEmpty())
            continue;
        const auto m = modules->record<ModuleTable::ModuleRecord>(found.first());
        const auto spurFrom = NumberText::toCount(m.SpurListFrom);
        const auto spurTo = NumberText::toCount(m.SpurListTo);
        const auto pinionFrom = NumberText::toCount(m.PinionListFrom);
        const auto pinionTo = NumberText::toCount(m.PinionListTo);
        if (spurFrom && spurTo && pinionFrom && pinionTo)
            ranges.append({name, *spurFrom, *spurTo, *pinionFrom, *pinionTo});
    }
    return ranges;
}

void DriveTool::refresh()
{
    const MainSetup now = readMainSetup();
    fillSheet(now);
    m_sheet.tables[Reference] = comparison(now);
    m_headline = headlineOf(now);
    followGrid();
}

DriveTool::MainSetup DriveTool::readMainSetup()
{
    const Drive::Setup setup = currentSetup();
    MainSetup now{setup, Drive::readTool(inputs()), Drive::readGear(setup), std::nullopt};
    m_status.clear();
    if (!now.tool || !now.gear)
        m_status = !now.tool ? now.tool.error() : now.gear.error();
    else if (const auto f = Drive::figures(*now.tool, *now.gear))
        now.figures = *f;
    else
        m_status = f.error();
    return now;
}

void DriveTool::fillSheet(const MainSetup& now)
{
    const Form& f = m_main.form();
    const std::optional<double> module = now.tool ? now.tool->module : std::nullopt;
    const auto fromName = Drive::moduleFromName(f.module().text);
    m_moduleNote = fromName ? Tr::tr("メイン画面のモジュール %1：m %2")
                                  .arg(f.module().text.trimmed(), Drive::moduleText(*fromName))
                            : QString();
    m_sheet.title = Tr::tr("走行計算　%1").arg(f.shown(f.machineTitle()));
    m_sheet.status = f.statusLine().text;
    m_sheet.conditions = DriveSheet::conditions(inputs(), module, units);
    m_sheet.note = DriveSheet::note();
    m_sheet.lengthUnit = Units::lengthUnit(units);
    m_sheet.tables = {
        DriveSheet::current(now.setup, now.figures, module, units),
        {},
        DriveSheet::steps(now.figures ? Drive::toothSteps(*now.tool, *now.gear)
                                      : QList<Drive::ToothStep>(),
                          now.gear ? *now.gear : Drive::Gear(), units),
        DriveSheet::pitches(now.figures
                                ? Drive::pitchEquivalents(*now.tool, *now.gear, pitchRanges())
                                : Result<QList<Drive::Equivalent>>(Failure{m_status}),
                            units),
    };
}

Result<Drive::Figures> DriveTool::referenceFigures() const
{
    const auto tool = Drive::readTool(m_referenceInputs);
    if (!tool)
        return Failure{Messages::ofReference(tool.error())};
    const auto gear = Drive::readGear(m_reference, Drive::Role::Reference);
    if (!gear)
        return Failure{gear.error()};
    return Drive::figures(*tool, *gear);
}

DriveSheet::Table DriveTool::comparison(const MainSetup& now) const
{
    const DriveSheet::Side after{now.setup, fields.tyreDiameter, now.figures};
    if (!hasReference())
        return DriveSheet::reference(std::nullopt, after, std::nullopt, QString(), units);
    const auto then = referenceFigures();
    QString problem = then ? QString() : then.error();
    std::optional<Drive::Change> change;
    if (then && now.figures) {
        if (const auto c = Drive::compare(*then, *now.figures))
            change = *c;
        else
            problem = c.error();
    }
    const DriveSheet::Side before{m_reference, m_referenceInputs.tyreDiameter,
                                  then ? std::optional(*then) : std::nullopt};
    return DriveSheet::reference(before, after, change, problem, units);
}

QString DriveTool::headlineOf(const MainSetup& now) const
{
    if (!now.figures)
        return QString();
    const Drive::Figures& f = *now.figures;
    // The figures a racer acts on, each a phrase of its own, listed.
    QStringList said{Tr::tr("ロールアウト %1").arg(Units::lengthWithUnit(f.rollout, units))};
    if (f.speed)
        said << Tr::tr("最高速度 %1").arg(Units::speedWithUnit(*f.speed, units));
    if (hasReference()) {
        const auto then = referenceFigures();
        const auto change = then ? Drive::compare(*then, f) : Result<Drive::Change>(then.failure());
        if (change) {
            auto percent = [](double v) { return QString::asprintf("%+.1f%%", v); };
            said << Tr::tr("基準比 ロールアウト %1").arg(percent(change->rollout));
            if (change->speed)
                said << Tr::tr("速度 %1").arg(percent(*change->speed));
        }
    }
    return said.join(Tr::tr("、"));
}

void DriveTool::followGrid()
{
    const Form& f = m_main.form();
    const GridKey key{f.MSFlexGrid1.revision(), f.secondaryRatio().text, fields.tyreDiameter,
                      units};
    if (m_gridKey == key)
        return;
    // A survey refills the main grid with the same spurs and pinions: only its
    // marks change, and the rollouts are taken over instead of written anew.
    const bool sameValues = m_gridKey && m_gridKey->secondary == key.secondary &&
                            m_gridKey->tyre == key.tyre && m_gridKey->units == key.units &&
                            sameHeadings(f.MSFlexGrid1, m_rollouts);
    m_gridKey = key;
    if (sameValues) {
        replaceRollouts(withTexts(f.MSFlexGrid1, &m_rollouts));
        return;
    }
    const auto secondary = Drive::positive(Drive::Field::Secondary(), f.secondaryRatio().text);
    const auto tyre = Drive::positive(Drive::Field::TyreDiameter(), fields.tyreDiameter);
    if (secondary && tyre) {
        if (auto grid = Drive::rolloutGrid(f.MSFlexGrid1, *secondary, *tyre, units)) {
            replaceRollouts(*grid);
            return;
        }
    }
    replaceRollouts(withTexts(f.MSFlexGrid1, nullptr));
}

void DriveTool::replaceRollouts(FlexGrid next)
{
    // The assignment gives the table a revision of its own, so a view never
    // takes a new table for the one it shows.
    m_rollouts = std::move(next);
    m_rollouts.show();
}

// ---- Handlers --------------------------------------------------------------

void DriveTool::survey(Drive::Target target, const QString& field, const QString& wanted)
{
    const auto tool = Drive::readTool(inputs());
    if (!tool) {
        m_host.message(tool.error());
        return;
    }
    const auto ratio = Drive::wantedRatio(*tool, target, wanted);
    if (!ratio) {
        m_host.message(ratio.error());
        return;
    }
    // Told as typed: in inches or mph when those are shown.
    QString shown = wanted;
    if (units != Units::System::Metric && target != Drive::Target::WheelRpm) {
        const bool length = target == Drive::Target::Rollout;
        shown = Units::metricToTyped(length ? Units::Quantity::Length : Units::Quantity::Speed,
                                     wanted.trimmed(), units) +
                u' ' + (length ? Units::lengthUnit(units) : Units::speedUnit(units));
    }
    if (ownedOnly) {
        ownedSurvey(*tool, *ratio, field, shown);
        return;
    }
    const QString ratioText = NumberText::ratio5(*ratio);
    if (NumberText::toDouble(ratioText).value_or(0.0) == 0.0) {
        m_host.message(Messages::ratioTooSmall(field, shown));
        return;
    }
    save();
    m_main.surveyRatio(ratioText);
    m_ranMain = true;
    m_surveyNote = Tr::tr("%1 %2 → 減速比 %3 で指定減速比調査しました")
                       .arg(field, UserText::elided(shown.trimmed()), ratioText);
    refresh();
}

void DriveTool::surveyRollout_Click()
{
    survey(Drive::Target::Rollout, Drive::Field::WantedRollout(), fields.wantedRollout);
}

void DriveTool::surveySpeed_Click()
{
    survey(Drive::Target::Speed, Drive::Field::WantedSpeed(), fields.wantedSpeed);
}

void DriveTool::surveyWheelRpm_Click()
{
    survey(Drive::Target::WheelRpm, Drive::Field::WantedWheelRpm(), fields.wantedWheelRpm);
}

void DriveTool::takeReference_Click()
{
    refresh();
    if (!m_status.isEmpty()) {
        m_host.message(m_status);
        return;
    }
    m_reference = currentSetup();
    m_referenceInputs = inputs();
    save();
    refresh();
}

void DriveTool::printSheet_Click()
{
    refresh();
    if (!m_status.isEmpty()) {
        m_host.message(m_status);
        return;
    }
    save();
    PageDelivery::printAfterQuestion(
        m_host, [this] { return DrivePrintOut::buildPage(m_sheet, m_rollouts); });
}

void DriveTool::explain_Click() { m_host.message(DriveSheet::explanation()); }
