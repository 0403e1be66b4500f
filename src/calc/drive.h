#pragma once

#include "common/result.h"

#include "calc/units.h"
#include "common/flexgrid.h"
#include "common/numbertext.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The figures of the 走行計算 window: how far the car rolls per motor turn, how
// fast the wheels turn, how big the gears are, and how a tooth more or less or
// another setup changes that. Inputs arrive as the texts the user typed; every
// problem comes back as the message to show, never as inf or NaN.
namespace Drive {

using ::Failure;
using ::Result;

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Drive)
};

// Field names as the messages give them.
namespace Field {
inline QString TyreDiameter() { return Tr::tr("タイヤ径"); }
inline QString Kv() { return Tr::tr("モーターKV値"); }
inline QString Voltage() { return Tr::tr("バッテリー電圧"); }
inline QString MotorRpm() { return Tr::tr("モーター回転数"); }
inline QString Module() { return Tr::tr("モジュール"); }
inline QString Secondary() { return Tr::tr("２次減速比"); }
inline QString Spur() { return Tr::tr("スパーギア歯数"); }
inline QString Pinion() { return Tr::tr("ピニオンギア歯数"); }
// The reference setup's own, each named whole.
inline QString ReferenceSecondary() { return Tr::tr("基準の２次減速比"); }
inline QString ReferenceSpur() { return Tr::tr("基準のスパーギア歯数"); }
inline QString ReferencePinion() { return Tr::tr("基準のピニオンギア歯数"); }
inline QString ReferenceTotal() { return Tr::tr("基準の減速比"); }
inline QString ReferenceRollout() { return Tr::tr("基準のロールアウト"); }
inline QString ReferenceWheelRpm() { return Tr::tr("基準のタイヤ回転数"); }
inline QString ReferenceSpeed() { return Tr::tr("基準の最高速度"); }
inline QString WantedRollout() { return Tr::tr("指定ロールアウト"); }
inline QString WantedSpeed() { return Tr::tr("指定最高速度"); }
inline QString WantedWheelRpm() { return Tr::tr("指定タイヤ回転数"); }
} // namespace Field

// Names of the computed figures, as the messages and the 走行計算 tables give them.
namespace FigureName {
inline QString Total() { return Tr::tr("減速比"); }
inline QString Rollout() { return Tr::tr("ロールアウト"); }
inline QString WheelRpm() { return Tr::tr("タイヤ回転数"); }
inline QString Speed() { return Tr::tr("最高速度"); }
inline QString PitchDiameter() { return Tr::tr("ピッチ円直径"); }
inline QString CentreDistance() { return Tr::tr("中心距離"); }
// The changes from the reference, in percent.
inline QString TotalChange() { return Tr::tr("減速比の変化率"); }
inline QString RolloutChange() { return Tr::tr("ロールアウトの変化率"); }
inline QString WheelRpmChange() { return Tr::tr("タイヤ回転数の変化率"); }
inline QString SpeedChange() { return Tr::tr("最高速度の変化率"); }
} // namespace FigureName

// The one reader of every number field: blank, not a number (NumberText's
// grammar) and zero or below are refused: "…が設定されていません",
// "…「abc」は数値ではありません", "…は0より大きい値を指定して下さい".
Result<double> positive(const QString& field, const QString& text);

// Module in mm of a module name: "48P" is a diametral pitch (25.4 ÷ 48 mm),
// "0.5M" a module; any other name has none.
std::optional<double> moduleFromName(const QString& name);

// The pitches the equivalents table compares against.
const QStringList& commonPitches();

struct Inputs
{
    QString tyreDiameter; // mm
    QString kv;           // rpm per volt
    QString voltage;      // V
    QString motorRpm;     // when not blank, used instead of KV × voltage
    QString moduleName;   // "48P", "0.5M" …; any other name uses moduleTyped
    QString moduleTyped;  // mm
};

// One setup as the quantity panel shows it.
struct Setup
{
    QString secondary, spur, pinion;
};

struct Tool
{
    double tyre = 0.0;
    std::optional<double> motorRpm; // none when KV, voltage and rpm are all blank
    std::optional<double> module;   // none when neither name nor typed value gives one
};

struct Gear
{
    double secondary = 0.0, spur = 0.0, pinion = 0.0;
};

Result<Tool> readTool(const Inputs& inputs);
// Which setup a gear is read from: a reference setup's messages name the
// reference's own fields (Field::ReferenceSpur() …).
enum class Role { Current, Reference };
Result<Gear> readGear(const Setup& setup, Role role = Role::Current);

struct Figures
{
    double total = 0.0;                              // spur ÷ pinion × secondary
    double rollout = 0.0;                            // mm the car rolls per motor turn
    std::optional<double> motorRpm, wheelRpm, speed; // with a motor rpm; speed in km/h
    std::optional<double> spurDiameter, pinionDiameter, centreDistance; // with a module, mm
};

Result<Figures> figures(const Tool& tool, const Gear& gear);

// Percent changes, (current − reference) ÷ reference × 100.
struct Change
{
    double total = 0.0, rollout = 0.0;
    std::optional<double> wheelRpm, speed;
};

// Before/after from figures worked out apart, e.g. a reference kept with the
// tyre and motor it was taken with.
Result<Change> compare(const Figures& reference, const Figures& current);

// Pinion +1, pinion −1, spur +1, spur −1 in that order; a step that would leave
// no teeth is left out.
struct ToothStep
{
    int spurDelta = 0, pinionDelta = 0;
    Figures figures;
    Change change;
};
QList<ToothStep> toothSteps(const Tool& tool, const Gear& gear);

// The total ratio that gives a wanted rollout, top speed or wheel rpm.
enum class Target { Rollout, Speed, WheelRpm };
Result<double> wantedRatio(const Tool& tool, Target target, const QString& wanted);

// Rollouts for every pinion (rows) and spur (columns).
using Table = QList<QList<double>>;
Result<Table> rolloutTable(const QList<int>& spurs, const QList<int>& pinions, double secondary,
                           double tyre);

// A copy of a filled ratio grid with each ratio cell showing its rollout
// ("0.00" mm, "0.000" in); headings, colours and bold marks stay.
Result<FlexGrid> rolloutGrid(const FlexGrid& ratioGrid, double secondary, double tyre,
                             Units::System units = Units::System::Metric);

// Pitch equivalents: for each pitch other than the tool's module, the pair with
// the nearest total ratio and the pair with the nearest centre distance within
// its ranges (at most Ranges::MaxValues values each). Ties go to the first
// found, spurs ascending outside, pinions ascending inside. Needs a module.
struct PitchRange
{
    QString name; // a module name, e.g. "64P"
    int spurFrom = 0, spurTo = 0, pinionFrom = 0, pinionTo = 0;
};
struct Pair
{
    int spur = 0, pinion = 0;
    double total = 0.0, centreDistance = 0.0;
};
struct Equivalent
{
    QString name;
    double module = 0.0;
    std::optional<Pair> nearestRatio, nearestCentre; // none for an empty range
};
Result<QList<Equivalent>> pitchEquivalents(const Tool& tool, const Gear& gear,
                                           const QList<PitchRange>& pitches);

// Texts as the window shows them.
inline QString mmText(double mm) { return NumberText::fixed(mm, 2); }
inline QString rpmText(double rpm) { return NumberText::fixed(rpm, 0); }
inline QString speedText(double kmh) { return NumberText::fixed(kmh, 1); }
inline QString moduleText(double mm) { return NumberText::fixed(mm, 5); }
QString percentText(double percent); // "+2.3", "-1.5", "0.0"

} // namespace Drive
