#include "drive.h"

#include "common/messages.h"
#include "common/recordsyntax.h"

#include <array>
#include <cmath>
#include <numbers>

namespace Drive {

namespace {
constexpr double Pi = std::numbers::pi;
constexpr double MmPerInch = 25.4;
constexpr double MmPerKm = 1e6;

bool blank(const QString& text) { return text.trimmed().isEmpty(); }
bool usable(double v) { return std::isfinite(v) && v > 0.0; }

// Collects the first problem of one result: later reads and steps then see 0
// instead of inf or NaN, and the result carries that one message.
class Check
{
public:
    double read(const QString& field, const QString& text)
    {
        const auto value = positive(field, text);
        if (!value && !failed())
            m_error = value.error();
        return value ? *value : 0.0;
    }
    double quotient(double a, double b, const QString& divisor, const QString& result)
    {
        if (!failed() && b == 0.0)
            m_error = QStringLiteral("%1が0のため計算できません").arg(divisor);
        return finite(failed() ? 0.0 : a / b, result);
    }
    double finite(double v, const QString& what)
    {
        if (!failed() && !std::isfinite(v))
            m_error = QStringLiteral("計算した%1が大きすぎて表示できません").arg(what);
        return failed() ? 0.0 : v;
    }
    double percent(double reference, double current, const QString& what)
    {
        const QString change = what + QStringLiteral("の変化率");
        return finite(quotient(current - reference, reference, Field::Reference + what, change) *
                          100.0,
                      change);
    }
    bool failed() const { return !m_error.isEmpty(); }
    template <typename T> Result<T> result(T value) const
    {
        if (failed())
            return Failure{m_error};
        return value;
    }

private:
    QString m_error;
};

} // namespace

Result<Change> compare(const Figures& reference, const Figures& current)
{
    Check c;
    Change change;
    change.total = c.percent(reference.total, current.total, FigureName::Total);
    change.rollout = c.percent(reference.rollout, current.rollout, FigureName::Rollout);
    if (reference.wheelRpm && current.wheelRpm) {
        change.wheelRpm = c.percent(*reference.wheelRpm, *current.wheelRpm, FigureName::WheelRpm);
        change.speed = c.percent(*reference.speed, *current.speed, FigureName::Speed);
    }
    return c.result(change);
}

Failure problem(const QString& field, Problem kind, const QString& text)
{
    switch (kind) {
    case Problem::Blank:
        return {Messages::notSet(field)};
    case Problem::NotNumber:
        return {Messages::notANumber(field, text)};
    case Problem::NotPositive:
        break;
    }
    return {QStringLiteral("%1は0より大きい値を指定して下さい").arg(field)};
}

Result<double> positive(const QString& field, const QString& text)
{
    if (blank(text))
        return problem(field, Problem::Blank);
    const auto value = NumberText::toDouble(text);
    if (!value)
        return problem(field, Problem::NotNumber, text);
    if (!(*value > 0.0))
        return problem(field, Problem::NotPositive);
    return *value;
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
    tool.tyre = c.read(Field::TyreDiameter, in.tyreDiameter);
    if (!blank(in.motorRpm)) {
        tool.motorRpm = c.read(Field::MotorRpm, in.motorRpm);
    } else if (!blank(in.kv) || !blank(in.voltage)) {
        const double kv = c.read(Field::Kv, in.kv);
        tool.motorRpm = c.finite(kv * c.read(Field::Voltage, in.voltage), Field::MotorRpm);
    }
    tool.module = moduleFromName(in.moduleName);
    if (!tool.module && !blank(in.moduleTyped))
        tool.module = c.read(Field::Module, in.moduleTyped);
    return c.result(tool);
}

Result<Gear> readGear(const Setup& setup, bool reference)
{
    const QString prefix = reference ? Field::Reference : QString();
    Check c;
    Gear gear;
    gear.secondary = c.read(prefix + Field::Secondary, setup.secondary);
    gear.spur = c.read(prefix + Field::Spur, setup.spur);
    gear.pinion = c.read(prefix + Field::Pinion, setup.pinion);
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

Result<Change> beforeAfter(const Tool& tool, const Setup& reference, const Setup& current)
{
    const auto referenceGear = readGear(reference, true);
    const auto currentGear = readGear(current);
    if (!referenceGear || !currentGear)
        return Failure{!referenceGear ? referenceGear.error() : currentGear.error()};
    const auto before = figures(tool, *referenceGear);
    const auto after = figures(tool, *currentGear);
    if (!before || !after)
        return Failure{!before ? before.error() : after.error()};
    return compare(*before, *after);
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
    static const QString fields[] = {Field::WantedRollout, Field::WantedSpeed,
                                     Field::WantedWheelRpm};
    const QString& field = fields[int(target)];
    if (target != Target::Rollout && !tool.motorRpm)
        return problem(Field::MotorRpm, Problem::Blank);
    const auto value = positive(field, wanted);
    if (!value)
        return value;
    Check c;
    double ratio = 0.0;
    switch (target) {
    case Target::Rollout:
        ratio = c.quotient(Pi * tool.tyre, *value, field, FigureName::Total);
        break;
    case Target::Speed:
        ratio = c.quotient(*tool.motorRpm * Pi * tool.tyre * 60.0 / MmPerKm, *value, field,
                           FigureName::Total);
        break;
    case Target::WheelRpm:
        ratio = c.quotient(*tool.motorRpm, *value, field, FigureName::Total);
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

namespace {
// The line order of the saved file.
template <typename S> auto savedFields(S& s)
{
    return std::array{&s.inputs.tyreDiameter, &s.inputs.kv,         &s.inputs.voltage,
                      &s.inputs.motorRpm,     &s.inputs.moduleName, &s.inputs.moduleTyped,
                      &s.reference.secondary, &s.reference.spur,    &s.reference.pinion};
}
} // namespace

QStringList toLines(const Saved& saved)
{
    QStringList lines;
    for (const QString* value : savedFields(saved))
        lines.append(RecordSyntax::writeField(RecordSyntax::singleLine(*value)));
    return lines;
}

Saved fromLines(const QStringList& lines)
{
    Saved saved;
    qsizetype i = 0;
    for (QString* value : savedFields(saved))
        *value = RecordSyntax::readFirstField(lines.value(i++));
    return saved;
}

} // namespace Drive
