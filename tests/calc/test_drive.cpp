#include "calc/drive.h"
#include "calc/ratiogrid.h"
#include "common/colour.h"

#include <gtest/gtest.h>

using namespace Drive;

namespace {

// Tyre, KV, voltage, motor rpm, module name, typed module; missing ones blank.
Inputs in(QStringList v)
{
    v.resize(6);
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}
const Inputs Buggy = in({"64", "4000", "7.4", "", "48P"});
const Drive::Setup Current{"2.5", "70", "22"};

Tool tool(const Inputs& in = Buggy) { return *readTool(in); }
Gear gear(const Drive::Setup& s = Current) { return *readGear(s); }

// Before/after as the 走行計算 window compares two setups with the same tool.
Result<Change> beforeAfter(const Tool& t, const Drive::Setup& reference,
                           const Drive::Setup& current)
{
    const auto from = readGear(reference, Role::Reference);
    const auto to = readGear(current);
    if (!from || !to)
        return !from ? from.failure() : to.failure();
    const auto before = figures(t, *from);
    const auto after = figures(t, *to);
    if (!before || !after)
        return !before ? before.failure() : after.failure();
    return compare(*before, *after);
}

TEST(Drive, WorkedFigures)
{
    const auto f = figures(tool(), gear());
    ASSERT_TRUE(f) << f.error().toStdString();
    EXPECT_EQ(NumberText::ratio5(f->total), "7.95455");
    EXPECT_EQ(mmText(f->rollout), "25.28");
    EXPECT_EQ(rpmText(*f->motorRpm), "29600");
    EXPECT_EQ(rpmText(*f->wheelRpm), "3721");
    EXPECT_EQ(speedText(*f->speed), "44.9");
    EXPECT_EQ(mmText(*f->spurDiameter), "37.04");
    EXPECT_EQ(mmText(*f->pinionDiameter), "11.64");
    EXPECT_EQ(mmText(*figures(tool(), gear({"2.5", "80", "25"}))->centreDistance), "27.78");
    // A typed motor rpm wins over KV × voltage; no module and no motor: rollout only.
    EXPECT_EQ(rpmText(*figures(tool(in({"64", "4000", "7.4", "30000"})), gear())->motorRpm),
              "30000");
    const auto bare = figures(tool(in({"64", "", "", "", "XXモジュール"})), gear());
    EXPECT_FALSE(bare->speed || bare->centreDistance);
}

TEST(Drive, ModuleNames)
{
    const std::pair<QString, QString> rows[] = {{"48P", "0.52917"},
                                                {"64P", "0.39688"},
                                                {"32P", "0.79375"},
                                                {"0.5M", "0.50000"},
                                                {" 1.0M ", "1.00000"},
                                                {"XXモジュール", ""},
                                                {"P", ""},
                                                {"0P", ""},
                                                {"-48P", ""},
                                                {"48p", ""},
                                                {"", ""}};
    for (const auto& [name, module] : rows) {
        const auto m = moduleFromName(name);
        EXPECT_EQ(m ? moduleText(*m) : QString(), module) << name.toStdString();
    }
}

TEST(Drive, EveryBadInputIsNamed)
{
    struct Row
    {
        const char* name;
        Inputs inputs;
        Drive::Setup setup;
        QString message;
    } rows[] = {
        {"text", in({"abc"}), Current, "タイヤ径「abc」は数値ではありません"},
        {"zero", in({"0"}), Current, "タイヤ径は0より大きい値を指定して下さい"},
        {"blank", in({" "}), Current, "タイヤ径が設定されていません"},
        {"half motor", in({"64", "4000"}), Current, "バッテリー電圧が設定されていません"},
        {"rpm", in({"64", "", "", "-5"}), Current, "モーター回転数は0より大きい値を指定して下さい"},
        {"module", in({"64", "", "", "", "XX", "0.5.1"}), Current,
         "モジュール「0.5.1」は数値ではありません"},
        {"exponent", in({"64", "1e3", "2"}), Current, "モーターKV値「1e3」は数値ではありません"},
        {"huge motor", in({"64", QString(200, u'9'), QString(200, u'9')}), Current,
         "計算したモーター回転数が大きすぎて表示できません"},
        {"pinion", Buggy, {"2.5", "70", "0"}, "ピニオンギア歯数は0より大きい値を指定して下さい"},
        {"overflow",
         Buggy,
         {QString(300, u'9'), QString(20, u'9'), "1"},
         "計算した減速比が大きすぎて表示できません"},
    };
    for (const Row& r : rows) {
        auto t = readTool(r.inputs);
        auto g = readGear(r.setup);
        const QString got = !t ? t.error() : !g ? g.error() : figures(*t, *g).error();
        EXPECT_EQ(got, r.message) << r.name;
    }
    EXPECT_EQ(beforeAfter(tool(), {"2.5", "x", "22"}, Current).error(),
              "基準のスパーギア歯数「x」は数値ではありません");
}

TEST(Drive, ToothSteps)
{
    QStringList got;
    for (const ToothStep& s : toothSteps(tool(), gear()))
        got << QStringLiteral("%1/%2 %3 %4 %5 %6")
                   .arg(s.spurDelta)
                   .arg(s.pinionDelta)
                   .arg(NumberText::ratio5(s.figures.total), percentText(s.change.total),
                        percentText(s.change.rollout), percentText(*s.change.speed));
    EXPECT_EQ(got, QStringList({"0/1 7.60870 -4.3 +4.5 +4.5", "0/-1 8.33333 +4.8 -4.5 -4.5",
                                "1/0 8.06818 +1.4 -1.4 -1.4", "-1/0 7.84091 -1.4 +1.4 +1.4"}));
    EXPECT_EQ(toothSteps(tool(), gear({"2.5", "70", "1"})).size(), 3); // no pinion of 0 teeth
}

TEST(Drive, WantedRatios)
{
    const std::tuple<const char*, Target, QString, QString> rows[] = {
        {"rollout", Target::Rollout, "25.28", "7.95340"},
        {"speed", Target::Speed, "44.9", "7.95292"},
        {"wheel", Target::WheelRpm, "3721", "7.95485"},
        {"zero", Target::Rollout, "0", "指定ロールアウトは0より大きい値を指定して下さい"},
        {"no motor", Target::Speed, "44.9", "モーター回転数が設定されていません"},
    };
    for (const auto& [name, target, wanted, expected] : rows) {
        const Tool t = tool(QString(name) == "no motor" ? in({"64"}) : Buggy);
        const auto r = wantedRatio(t, target, wanted);
        EXPECT_EQ(r ? NumberText::ratio5(*r) : r.error(), expected) << name;
    }
}

TEST(Drive, RolloutGridKeepsTheRatioGridsMarks)
{
    FlexGrid ratios;
    RatioGrid::fill(ratios, Ranges::Axes{{80, 81}, {20, 21}}, 2.5, 10.0);
    const auto grid = rolloutGrid(ratios, 2.5, 64);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->cell(0, 0).text, "P/S");
    EXPECT_EQ(grid->cell(0, 2).text, "81");
    EXPECT_EQ(grid->cell(1, 1).text, "20.11");
    EXPECT_EQ(grid->cell(2, 2).text, "20.85");
    EXPECT_EQ(grid->cell(1, 1).colour, Colour::Red);
    EXPECT_TRUE(grid->cell(1, 1).bold);
    EXPECT_EQ(grid->cell(2, 1).colour, Colour::Black);
    EXPECT_EQ(grid->cell(3, 3).text, "");
    EXPECT_EQ(rolloutTable({80}, {20, 0}, 2.5, 64).error(),
              "ピニオンギア歯数は0より大きい値を指定して下さい");
    EXPECT_EQ(rolloutGrid(ratios, 0, 64).error(), "２次減速比は0より大きい値を指定して下さい");
}

TEST(Drive, PitchEquivalents)
{
    QList<PitchRange> ranges;
    for (const QString& name : commonPitches())
        ranges.append({name, 30, 100, 10, 40});
    const auto found = pitchEquivalents(tool(), gear(), ranges);
    ASSERT_TRUE(found);
    ASSERT_EQ(found->size(), 6); // 48P is the current pitch
    const Equivalent& p64 = found->at(0);
    EXPECT_EQ(p64.name, "64P");
    // 35/11 and 70/22 tie exactly; the smaller spur is found first.
    EXPECT_EQ(std::pair(p64.nearestRatio->spur, p64.nearestRatio->pinion), std::pair(35, 11));
    EXPECT_EQ(std::pair(p64.nearestCentre->spur, p64.nearestCentre->pinion), std::pair(83, 40));
    EXPECT_EQ(mmText(p64.nearestCentre->centreDistance), "24.41");
    EXPECT_FALSE(pitchEquivalents(tool(), gear(), {{"64P", 1, 300, 10, 40}}));
    EXPECT_FALSE(pitchEquivalents(tool(in({"64"})), gear(), ranges));
}

TEST(Drive, BeforeAfter)
{
    const auto c = beforeAfter(tool(), Current, {"2.5", "70", "21"});
    ASSERT_TRUE(c);
    EXPECT_EQ(QStringList({percentText(c->total), percentText(c->rollout),
                           percentText(*c->wheelRpm), percentText(*c->speed)}),
              QStringList({"+4.8", "-4.5", "-4.5", "-4.5"}));
    EXPECT_EQ(QStringList({percentText(0), percentText(-0.04), percentText(0.05)}),
              QStringList({"0.0", "0.0", "+0.1"}));
}

} // namespace
