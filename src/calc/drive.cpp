#include "drive.h"

#include "calc/check.h"
#include "common/messages.h"

#include <cmath>
#include <numbers>

namespace Drive {

namespace {
constexpr double Pi = std::numbers::pi;
constexpr double MmPerInch = 25.4;
constexpr double MmPerKm = 1e6;

bool blank(const QString& text) { return text.trimmed().isEmpty(); }
bool usable(double v) { return std::isfinite(v) && v > 0.0; }

// A change in percent of the reference; a reference of 0 is named as such.
double percent(Check& c, double reference, double current, const QString& referenceName,
               const QString& change)
{
    return c.finite(c.quotient(current - reference, reference, referenceName, change) * 100.0,
                    change);
}

} // namespace

Result<Change> compare(const Figures& reference, const Figures& current)
{
    Check c;
    Change change;
    change.total = percent(c, reference.total, current.total, Field::ReferenceTotal(),
                           FigureName::TotalChange());
    change.rollout = percent(c, reference.rollout, current.rollout, Field::ReferenceRollout(),
                             FigureName::RolloutChange());
    if (reference.wheelRpm && current.wheelRpm) {
        change.wheelRpm = percent(c, *reference.wheelRpm, *current.wheelRpm,
                                  Field::ReferenceWheelRpm(), FigureName::WheelRpmChange());
        change.speed = percent(c, *reference.speed, *current.speed, Field::ReferenceSpeed(),
                               FigureName::SpeedChange());
    }
    return c.result(change);
}

Result<double> positive(const QString& field, const QString& text)
{
    Check c;
    const double value = c.read(field, text);
    return c.result(value);
}

std::optional<double> moduleFromName(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.size() < 2)
        return std::nullopt;
    const QChar unit = trimmed.back();
    if (unit != u'P' && unit != u'M')
        return std::nullopt;
    const auto value = NumberText::toDouble(trimmed.chopped(1));
    if (!value || !usable(*value))
        return std::nullopt;
    return unit == u'P' ? MmPerInch / *value : *value;
}

const QStringList& commonPitches()
{
    static const QStringList pitches = {"48P", "64P", "32P", "0.4M", "0.5M", "0.6M", "1.0M"};
    return pitches;
}

Result<Tool> readTool(const Inputs& in)
{
    Check c;
    Tool tool;
    tool.tyre = c.read(Field::TyreDiameter(), in.tyreDiameter);
    if (!blank(in.motorRpm)) {
        tool.motorRpm = c.read(Field::MotorRpm(), in.motorRpm);
    } else if (!blank(in.kv) || !blank(in.voltage)) {
        const double kv = c.read(Field::Kv(), in.kv);
        tool.motorRpm = c.finite(kv * c.read(Field::Voltage(), in.voltage), Field::MotorRpm());
    }
    tool.module = moduleFromName(in.moduleName);
    if (!tool.module && !blank(in.moduleTyped))
        tool.module = c.read(Field::Module(), in.moduleTyped);
    return c.result(tool);
}

Result<Gear> readGear(const Setup& setup, Role role)
{
    const bool reference = role == Role::Reference;
    Check c;
    Gear gear;
    gear.secondary =
        c.read(reference ? Field::ReferenceSecondary() : Field::Secondary(), setup.secondary);
    gear.spur = c.read(reference ? Field::ReferenceSpur() : Field::Spur(), setup.spur);
    gear.pinion = c.read(reference ? Field::ReferencePinion() : Field::Pinion(), setup.pinion);
    return c.result(gear);
}

Result<Figures> figures(const Tool& tool, const Gear& gear)
{
    Check c;
    Figures f;
    f.total = c.finite(c.quotient(gear.spur, gear.pinion, Field::Pinion, FigureName::Total) *
                           gear.secondary,
                       FigureName::Total);
    f.rollout = c.quotient(Pi * tool.tyre, f.total, FigureName::Total, FigureName::Rollout);
    if (tool.motorRpm) {
        f.motorRpm = tool.motorRpm;
        f.wheelRpm = c.quotient(*tool.motorRpm, f.total, FigureName::Total, FigureName::WheelRpm);
        f.speed = c.finite(*f.wheelRpm * Pi * tool.tyre * 60.0 / MmPerKm, FigureName::Speed);
    }
    if (tool.module) {
        f.spurDiameter = c.finite(*tool.module * gear.spur, FigureName::PitchDiameter);
        f.pinionDiameter = c.finite(*tool.module * gear.pinion, FigureName::PitchDiameter);
        f.centreDistance =
            c.finite(*tool.module * (gear.spur + gear.pinion) / 2.0, FigureName::CentreDistance);
    }
    return c.result(f);
}

QList<ToothStep> toothSteps(const Tool& tool, const Gear& gear)
{
    QList<ToothStep> steps;
    const auto base = figures(tool, gear);
    if (!base)
        return steps;
    for (const auto& [spurDelta, pinionDelta] : {std::pair{0, 1}, {0, -1}, {1, 0}, {-1, 0}}) {
        const Gear stepped{gear.secondary, gear.spur + spurDelta, gear.pinion + pinionDelta};
        if (!(stepped.spur > 0.0 && stepped.pinion > 0.0))
            continue;
        const auto after = figures(tool, stepped);
        if (!after)
            continue;
        if (const auto change = compare(*base, *after))
            steps.append({spurDelta, pinionDelta, *after, *change});
    }
    return steps;
}

Result<double> wantedRatio(const Tool& tool, Target target, const QString& wanted)
{
    static const QString fields[] = {Field::WantedRollout(), Field::WantedSpeed(),
                                     Field::WantedWheelRpm()};
    const QString& field = fields[int(target)];
    if (target != Target::Rollout && !tool.motorRpm)
        return Failure{Messages::notSet(Field::MotorRpm())};
    const auto value = positive(field, wanted);
    if (!value)
        return value;
    Check c;
    double ratio = 0.0;
    switch (target) {
    case Target::Rollout:
        ratio = c.quotient(Pi * tool.tyre, *value, field, FigureName::Total());
        break;
    case Target::Speed:
        ratio = c.quotient(*tool.motorRpm * Pi * tool.tyre * 60.0 / MmPerKm, *value, field,
                           FigureName::Total());
        break;
    case Target::WheelRpm:
        ratio = c.quotient(*tool.motorRpm, *value, field, FigureName::Total());
        break;
    }
    return c.result(ratio);
}

QString percentText(double percent)
{
    const QString text = NumberText::fixed(percent, 1);
    // A change that rounds to nothing carries no sign.
    return text.startsWith(u'-') || text == u"0.0" ? text : u'+' + text;
}

} // namespace Drive
