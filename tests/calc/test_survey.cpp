#include "calc/ratiogrid.h"
#include "calc/survey.h"
#include "common/colour.h"

#include <gtest/gtest.h>

namespace {

// A selector as the window counts it: unset when empty or showing its own name.
InputText selector(const QString& text)
{
    return {text, !text.isEmpty() && !(text.startsWith("Combo") && text.size() == 6)};
}

class SurveyRun : public ::testing::Test
{
protected:
    FlexGrid grid;
    Survey::Inputs inputs;

    SurveyRun() { RatioGrid::layout(grid); }

    // The six range selectors: spur start, width, pinion start, width, intervals.
    void ranges(const QString& spurStart, const QString& spurWidth, const QString& pinionStart,
                const QString& pinionWidth, const QString& spurStep = "1",
                const QString& pinionStep = "1")
    {
        inputs.ranges = {selector(spurStart),   selector(spurWidth), selector(pinionStart),
                         selector(pinionWidth), selector(spurStep),  selector(pinionStep)};
    }
    // The secondary ratio and the wanted total, as typed.
    void ratios(const QString& secondary, const QString& wanted)
    {
        inputs.secondary = secondary;
        inputs.wanted = wanted;
    }
    Survey::Outcome run()
    {
        const auto request = Survey::read(inputs);
        EXPECT_TRUE(request) << request.error().toStdString();
        return request ? Survey::SurveyWantedRatio(grid, *request) : Survey::Outcome();
    }
    // The survey example: spurs 70…85, pinions 20…35, secondary 2.5, wanted 8.
    Survey::Outcome example()
    {
        ranges("70", "15", "20", "15");
        inputs.module = "ABC";
        ratios("2.5", "8");
        return run();
    }
    const GridCell& cell(int r, int c) const { return grid.cell(r, c); }
};

TEST_F(SurveyRun, TheWorkedExampleHoldsCellByCell)
{
    const auto outcome = example();
    ASSERT_TRUE(outcome.taken);
    EXPECT_EQ(outcome.taken->spur, "80");
    EXPECT_EQ(outcome.taken->pinion, "25");
    EXPECT_EQ(outcome.taken->total, "8.00000");
    EXPECT_EQ(outcome.status, "ABC 指定減速比 8");
    EXPECT_EQ(cell(0, 0).text, "P/S");
    for (int i = 1; i <= 16; ++i) {
        EXPECT_EQ(cell(0, i).text, QString::number(69 + i));
        EXPECT_EQ(cell(i, 0).text, QString::number(19 + i));
        EXPECT_EQ(cell(0, i).align, CellAlign::Centre);
        EXPECT_EQ(cell(i, 0).align, CellAlign::Centre);
    }
    EXPECT_EQ(cell(0, 17).text, "");
    EXPECT_EQ(cell(17, 0).text, "");

    int red = 0, blue = 0, band = 0;
    for (int r = 1; r <= 16; ++r) {
        for (int c = 1; c <= 16; ++c) {
            const double ratio = (69.0 + c) / (19.0 + r) * 2.5;
            EXPECT_EQ(cell(r, c).text, QString::asprintf("%.3f", ratio + 1e-12)) << r << "," << c;
            EXPECT_EQ(cell(r, c).align, CellAlign::Right);
            const bool inBand = 8.0 / ratio > 0.975 && 8.0 / ratio < 1.025;
            band += inBand;
            red += cell(r, c).colour == Colour::Red;
            blue += cell(r, c).colour == Colour::LightBlue;
            if (cell(r, c).colour == Colour::Black)
                EXPECT_FALSE(cell(r, c).bold);
            else
                EXPECT_TRUE(cell(r, c).bold);
        }
    }
    EXPECT_EQ(band, 20);
    EXPECT_EQ(red, 19);
    EXPECT_EQ(blue, 1);
    EXPECT_EQ(cell(6, 11).text, "8.000");
    EXPECT_EQ(cell(6, 11).colour, Colour::LightBlue);
    EXPECT_EQ(cell(3, 3).text, "8.182"); // spur 72, pinion 22
    EXPECT_EQ(cell(3, 3).colour, Colour::Red);
    EXPECT_EQ(cell(3, 1).text, "7.955"); // spur 70, pinion 22
    EXPECT_EQ(cell(3, 1).colour, Colour::Red);
    EXPECT_EQ(cell(5, 10).text, "8.229"); // spur 79, pinion 24
    EXPECT_EQ(cell(5, 10).colour, Colour::Black);
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.col(), 0);
    EXPECT_TRUE(grid.isVisible());
}

TEST_F(SurveyRun, TiesGoToTheFirstCellInScanOrder)
{
    ranges("60", "25", "20", "10");
    ratios("2.5", "8");
    const auto outcome = run();
    ASSERT_TRUE(outcome.taken);
    EXPECT_EQ(outcome.taken->spur, "64");
    EXPECT_EQ(outcome.taken->pinion, "20");
    EXPECT_EQ(cell(1, 5).colour, Colour::LightBlue);
    EXPECT_EQ(cell(6, 21).colour, Colour::Red); // 80 / 25, equally close
}

TEST_F(SurveyRun, QuotientsExactlyAtTheBandEdgesAreBlack)
{
    // A ratio of exactly 1 (spur 40 / pinion 40) against wanted 0.975 and
    // 1.025; the neighbouring spur is the exact match and takes the best.
    const struct
    {
        const char* name;
        const char* spurStart;
        const char* wanted;
        int edgeColumn;
    } cases[] = {{"lower edge", "39", "0.975", 2}, {"upper edge", "40", "1.025", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ranges(c.spurStart, "1", "40", "0");
        ratios("1", c.wanted);
        run();
        EXPECT_EQ(cell(1, c.edgeColumn).text, "1.000");
        EXPECT_EQ(cell(1, c.edgeColumn).colour, Colour::Black) << c.wanted;
        EXPECT_FALSE(cell(1, c.edgeColumn).bold);
        EXPECT_EQ(cell(1, 3 - c.edgeColumn).colour, Colour::LightBlue) << c.wanted;
    }
}

TEST_F(SurveyRun, RangeShapes)
{
    const struct
    {
        const char* name;
        const char* width;
        const char* step;
        int columns;
    } cases[] = {{"no width", "0", "1", 1},
                 {"step beyond the width", "3", "5", 1},
                 {"steps of 5", "15", "5", 4},
                 {"widest usual range", "30", "1", 31},
                 {"empty width refused", "", "1", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ranges("70", c.width, "20", "0", c.step, "");
        ratios("2.5", "8");
        const auto request = Survey::read(inputs);
        if (c.columns < 0) {
            EXPECT_FALSE(request);
            continue;
        }
        ASSERT_TRUE(request) << request.error().toStdString();
        Survey::SurveyWantedRatio(grid, *request);
        int columns = 0;
        while (!cell(0, columns + 1).text.isEmpty())
            ++columns;
        EXPECT_EQ(columns, c.columns) << c.width << "/" << c.step;
        EXPECT_GE(grid.cols(), c.columns + 1);
    }
}

TEST_F(SurveyRun, AWantedRatioOfZeroTakesTheSmallestRatio)
{
    ranges("70", "2", "20", "2");
    ratios("2.5", "0");
    const auto outcome = run();
    ASSERT_TRUE(outcome.taken);
    EXPECT_EQ(outcome.taken->spur, "70");
    EXPECT_EQ(outcome.taken->pinion, "22");
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_NE(cell(r, c).colour, Colour::Red);
}

TEST_F(SurveyRun, NothingWithinTenTakesNothingAndShowsNoStaleBest)
{
    example();
    ranges("70", "2", "20", "2");
    ratios("2.5", "30");
    const auto outcome = run();
    EXPECT_FALSE(outcome.taken);
    EXPECT_TRUE(outcome.status.startsWith("ABC 指定減速比 30"));
    EXPECT_EQ(outcome.status, "ABC 指定減速比 30 該当なし"); // short enough for the status line
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            EXPECT_NE(cell(r, c).colour, Colour::LightBlue);
}

TEST_F(SurveyRun, BadInputsAreReportedFirstProblemFirst)
{
    static const std::string huge = "1" + std::string(305, '0');
    const struct
    {
        const char* name;
        QStringList selectors; // spur start, width, pinion start, width, spur step, pinion step
        const char* secondary;
        const char* wanted;
        const char* messagePart;
    } cases[] = {
        {"unset", {"Combo1", "15", "20", "15", "1", "1"}, "2.5", "8", "スパー範囲の開始「Combo1」"},
        {"spur step 0", {"70", "15", "20", "15", "0", "1"}, "2.5", "8", "スパーの計算間隔は1以上"},
        {"step -1", {"70", "15", "20", "15", "1", "-1"}, "2.5", "8", "ピニオンの計算間隔は1以上"},
        {"pinion start too big",
         {"70", "15", "40000", "15", "1", "1"},
         "2.5",
         "8",
         "ピニオン範囲の開始「40000」が範囲"},
        {"end too big", {"32760", "15", "20", "15", "1", "1"}, "2.5", "8", "スパー範囲の終わり"},
        {"too many", {"70", "200", "20", "15", "1", "1"}, "2.5", "8", "スパー範囲の値が多すぎます"},
        {"pinions through 0", {"70", "15", "-5", "15", "1", "1"}, "2.5", "8", "ピニオン範囲に0"},
        {"no secondary",
         {"70", "15", "20", "15", "1", "1"},
         "",
         "8",
         "２次減速比が設定されていません"},
        {"secondary 0", {"70", "15", "20", "15", "1", "1"}, "0", "8", "２次減速比が0"},
        {"secondary text", {"70", "15", "20", "15", "1", "1"}, "x", "8", "２次減速比「x」"},
        {"secondary too big",
         {"70", "15", "20", "15", "1", "1"},
         huge.c_str(),
         "8",
         "が大きすぎて計算できません"},
        {"wanted text", {"70", "15", "20", "15", "1", "1"}, "2.5", "8.1.2", "指定減速比「8.1.2」"},
        {"no wanted", {"70", "15", "20", "15", "1", "1"}, "2.5", "", "減速比が設定されていません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList& s = c.selectors;
        ranges(s[0], s[1], s[2], s[3], s[4], s[5]);
        ratios(c.secondary, c.wanted);
        const auto request = Survey::read(inputs);
        ASSERT_FALSE(request) << c.messagePart;
        EXPECT_TRUE(request.error().contains(QString::fromUtf8(c.messagePart)))
            << request.error().toStdString();
    }
}

TEST_F(SurveyRun, TwoHundredValuesGrowTheGridToFit)
{
    ranges("1", "199", "1", "199");
    ratios("1", "1");
    const auto outcome = run();
    EXPECT_EQ(grid.rows(), 201);
    EXPECT_EQ(grid.cols(), 201);
    EXPECT_EQ(cell(200, 0).text, "200");
    EXPECT_EQ(cell(0, 200).text, "200");
    EXPECT_EQ(cell(200, 200).text, "1.000");
    ASSERT_TRUE(outcome.taken);
    EXPECT_EQ(outcome.taken->spur, "1"); // first of the ties
    EXPECT_EQ(outcome.taken->pinion, "1");
}

TEST_F(SurveyRun, ASecondSurveyTakesTheRoundedBestAsItsWantedRatio)
{
    ranges("70", "15", "20", "15");
    ratios("2.5", "7.9");
    const auto first = run();
    ASSERT_TRUE(first.taken);
    ratios("2.5", first.taken->total);
    const auto second = run();
    ASSERT_TRUE(second.taken);
    EXPECT_EQ(second.taken->total, first.taken->total);
    EXPECT_TRUE(second.status.endsWith(" 指定減速比 " + first.taken->total));
}

} // namespace
