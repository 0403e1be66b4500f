#include "drivesheet.h"

#include "common/numbertext.h"

#include <QCoreApplication>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(DriveSheet)
};
} // namespace

namespace DriveSheet {

namespace {
using Drive::Field::Pinion;
using Drive::Field::Secondary;
using Drive::Field::Spur;
using Drive::Field::TyreDiameter;
using Drive::FigureName::CentreDistance;
using Drive::FigureName::Rollout;
using Drive::FigureName::Total;
using Drive::FigureName::WheelRpm;
QString Speed() { return Tr::tr("最高速度（理論値・無負荷）"); }
const QString Rpm = QStringLiteral("rpm");

QString shown(const std::optional<double>& value, QString (*text)(double))
{
    return value ? text(*value) : None;
}
QString shown(const QString& typed) { return typed.trimmed().isEmpty() ? None : typed.trimmed(); }
// A typed length kept in mm, in the units shown.
QString shownLength(const QString& mm, System units)
{
    return shown(Units::metricToTyped(Units::Quantity::Length, mm, units));
}

QString pair(double spur, double pinion)
{
    return QStringLiteral("%1/%2").arg(NumberText::count(int(spur)),
                                       NumberText::count(int(pinion)));
}

QString percent(double value) { return Drive::percentText(value) + u'%'; }
} // namespace

Table current(const Drive::Setup& setup, const std::optional<Drive::Figures>& f,
              std::optional<double> module, System units)
{
    const QString length = Units::lengthUnit(units);
    const auto mm = [&](std::optional<double> Drive::Figures::*member) {
        const std::optional<double> value = f ? (*f).*member : std::nullopt;
        return value ? Units::lengthText(*value, units) : None;
    };
    return {Tr::tr("現在のセッティング（メイン画面）"),
            {Tr::tr("項目"), Tr::tr("値"), Tr::tr("単位")},
            {
                {Secondary(), shown(setup.secondary), QString()},
                {Spur(), shown(setup.spur), QStringLiteral("T")},
                {Pinion(), shown(setup.pinion), QStringLiteral("T")},
                {Total(), f ? NumberText::ratio5(f->total) : None, QString()},
                {Rollout(), f ? Units::lengthText(f->rollout, units) : None, length},
                {Drive::Field::MotorRpm(), f ? shown(f->motorRpm, Drive::rpmText) : None, Rpm},
                {WheelRpm(), f ? shown(f->wheelRpm, Drive::rpmText) : None, Rpm},
                {Speed(), f && f->speed ? Units::speedText(*f->speed, units) : None,
                 Units::speedUnit(units)},
                // A gear's module is millimetres by its definition, in any unit.
                {Tr::tr("モジュール m"), f ? shown(module, Drive::moduleText) : None,
                 QStringLiteral("mm")},
                {Tr::tr("スパー ピッチ円直径"), mm(&Drive::Figures::spurDiameter), length},
                {Tr::tr("ピニオン ピッチ円直径"), mm(&Drive::Figures::pinionDiameter), length},
                {CentreDistance(), mm(&Drive::Figures::centreDistance), length},
            }};
}

QString conditions(const Drive::Inputs& in, std::optional<double> module, System units)
{
    const QString name = in.moduleName.trimmed();
    const QString moduleText = !module ? None
                               : Drive::moduleFromName(name)
                                   ? Tr::tr("%1（m %2）").arg(name, Drive::moduleText(*module))
                                   : QStringLiteral("m %1 mm").arg(Drive::moduleText(*module));
    const auto item = [](const QString& field, const QString& shownText, const QString& unit) {
        return field + u' ' + shownText + (unit.isEmpty() ? QString() : u' ' + unit);
    };
    return QStringList(
               {item(TyreDiameter(), shownLength(in.tyreDiameter, units), Units::lengthUnit(units)),
                item(Drive::Field::Kv(), shown(in.kv), QStringLiteral("rpm/V")),
                item(Drive::Field::Voltage(), shown(in.voltage), QStringLiteral("V")),
                item(Drive::Field::MotorRpm(), shown(in.motorRpm), Rpm),
                Drive::Field::Module() + u' ' + moduleText})
        .join(Tr::tr("　"));
}

Table steps(const QList<Drive::ToothStep>& steps, const Drive::Gear& gear, System units)
{
    Table t{Tr::tr("１歯の変更"),
            {Tr::tr("変更"), Tr::tr("スパー/ピニオン"), Total(), Rollout(), Tr::tr("最高速度"),
             Tr::tr("変化率")},
            {}};
    for (const Drive::ToothStep& s : steps) {
        const QString what = s.pinionDelta != 0 ? Tr::tr("ピニオン") : Tr::tr("スパー");
        const int delta = s.pinionDelta + s.spurDelta;
        // Rollout() and speed change alike: both follow the ratio's inverse.
        t.rows.append({what + (delta > 0 ? QStringLiteral(" +1") : QStringLiteral(" -1")),
                       pair(gear.spur + s.spurDelta, gear.pinion + s.pinionDelta),
                       NumberText::ratio5(s.figures.total),
                       Units::lengthText(s.figures.rollout, units),
                       s.figures.speed ? Units::speedText(*s.figures.speed, units) : None,
                       percent(s.change.rollout)});
    }
    return t;
}

Table reference(const std::optional<Side>& before, const Side& after,
                const std::optional<Drive::Change>& change, const QString& problem, System units)
{
    Table t{Tr::tr("基準との比較"),
            {Tr::tr("項目"), Tr::tr("基準"), Tr::tr("現在"), Tr::tr("変化率")},
            {}};
    if (!before) {
        t.rows.append({Tr::tr("基準なし"), Tr::tr("「基準にする」で現在の設定を基準にします"),
                       QString(), QString()});
        return t;
    }
    const auto side = [](const Side& s, auto figure) {
        return s.figures ? figure(*s.figures) : None;
    };
    const auto both = [&](const QString& name, auto figure, std::optional<double> change) {
        t.rows.append({name, side(*before, figure), side(after, figure),
                       change ? percent(*change) : QString()});
    };
    t.rows.append({Tr::tr("スパー/ピニオン"),
                   shown(before->setup.spur) + u'/' + shown(before->setup.pinion),
                   shown(after.setup.spur) + u'/' + shown(after.setup.pinion), QString()});
    t.rows.append(
        {Secondary(), shown(before->setup.secondary), shown(after.setup.secondary), QString()});
    t.rows.append({TyreDiameter(), shownLength(before->tyre, units), shownLength(after.tyre, units),
                   QString()});
    using F = const Drive::Figures&;
    const auto& c = change;
    both(
        Total(), [](F f) { return NumberText::ratio5(f.total); },
        c ? std::optional(c->total) : std::nullopt);
    both(
        Rollout(), [units](F f) { return Units::lengthText(f.rollout, units); },
        c ? std::optional(c->rollout) : std::nullopt);
    both(
        WheelRpm(), [](F f) { return shown(f.wheelRpm, Drive::rpmText); },
        c ? c->wheelRpm : std::nullopt);
    both(
        Tr::tr("最高速度"),
        [units](F f) { return f.speed ? Units::speedText(*f.speed, units) : None; },
        c ? c->speed : std::nullopt);
    if (!problem.isEmpty())
        t.rows.append({Tr::tr("比較できません"), problem, QString(), QString()});
    return t;
}

Table pitches(const Drive::Result<QList<Drive::Equivalent>>& found, System units)
{
    Table t{Tr::tr("他のピッチでの相当"),
            {Tr::tr("ピッチ"), QStringLiteral("m"), Tr::tr("減速比が近い組合せ"), Total(),
             Tr::tr("中心距離が近い組合せ"), CentreDistance()},
            {}};
    if (!found) {
        t.rows.append({found.error(), QString(), QString(), QString(), QString(), QString()});
        return t;
    }
    for (const Drive::Equivalent& e : *found) {
        const auto& r = e.nearestRatio;
        const auto& c = e.nearestCentre;
        t.rows.append({e.name, Drive::moduleText(e.module), r ? pair(r->spur, r->pinion) : None,
                       r ? NumberText::ratio5(r->total) : None, c ? pair(c->spur, c->pinion) : None,
                       c ? Units::lengthText(c->centreDistance, units) : None});
    }
    return t;
}

QString explanation()
{
    return Tr::tr("走行計算の計算式\n"
                  "\n"
                  "減速比 ＝ スパーギア歯数 ÷ ピニオンギア歯数 × ２次減速比\n"
                  "ロールアウト（mm）＝ タイヤ径 × π ÷ 減速比（モーター１回転で進む距離）\n"
                  "モーター回転数（rpm）＝ モーターKV値 × バッテリー電圧\n"
                  "　（モーター回転数を入力した場合はその値）\n"
                  "タイヤ回転数（rpm）＝ モーター回転数 ÷ 減速比\n"
                  "最高速度（km/h）＝ タイヤ回転数 × タイヤ径 × π × 60 ÷ 1000000\n"
                  "モジュール m（mm）＝ 25.4 ÷ ピッチ（48P など）、0.5M などはその値\n"
                  "ピッチ円直径 ＝ m × 歯数\n"
                  "中心距離 ＝ m × （スパーギア歯数 ＋ ピニオンギア歯数）÷ 2\n"
                  "指定値からの減速比 ＝ タイヤ径 × π ÷ 指定ロールアウト、\n"
                  "　モーター回転数 × タイヤ径 × π × 60 ÷ 1000000 ÷ 指定最高速度、\n"
                  "　モーター回転数 ÷ 指定タイヤ回転数\n"
                  "　この減速比でメイン画面の指定減速比調査を行います。\n"
                  "\n"
                  "最高速度は無負荷・スリップなしの理論値です。実際の走行では負荷や電圧の低下、"
                  "タイヤの膨らみやスリップで変わります。");
}

QString note() { return Tr::tr("最高速度は無負荷・スリップなしの理論値です。"); }

} // namespace DriveSheet
