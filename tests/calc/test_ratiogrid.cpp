#include "calc/rangelabels.h"
#include "calc/ratiogrid.h"
#include "common/colour.h"

#include <gtest/gtest.h>

namespace {

// The six range selectors, every one set: spur start, width, pinion start,
// width, intervals.
Ranges::Selection selection(const QString& spurStart, const QString& spurWidth,
                            const QString& pinionStart, const QString& pinionWidth,
                            const QString& spurStep = "1", const QString& pinionStep = "1")
{
    return {{spurStart, true},   {spurWidth, true}, {pinionStart, true},
            {pinionWidth, true}, {spurStep, true},  {pinionStep, true}};
}

class RatioGridBuild : public ::testing::Test
{
protected:
    FlexGrid grid;

    RatioGridBuild() { RatioGrid::layout(grid); }

    void rebuild(const Ranges::Selection& selection, const QString& secondary)
    {
        const auto table = RatioGrid::readTable(selection, secondary);
        ASSERT_TRUE(table) << table.error().toStdString();
        ASSERT_TRUE(*table);
        RatioGrid::BuildRatioGrid(grid, **table);
    }
};

TEST_F(RatioGridBuild, FillsHeadersAndPlainRatios)
{
    rebuild(selection("80", "2", "20", "1"), "2.5");
    const FlexGrid& g = grid;
    EXPECT_EQ(
        QStringList({g.cell(0, 0).text, g.cell(0, 1).text, g.cell(0, 2).text, g.cell(0, 3).text}),
        QStringList({"P/S", "80", "81", "82"}));
    EXPECT_EQ(g.cell(1, 0).text, "20");
    EXPECT_EQ(g.cell(2, 0).text, "21");
    EXPECT_EQ(g.cell(3, 0).text, "");
    EXPECT_EQ(g.cell(1, 1).text, "10.000");
    EXPECT_EQ(g.cell(2, 3).text, "9.762");
    EXPECT_EQ(g.cell(2, 3).align, CellAlign::Right);
    EXPECT_EQ(g.cell(2, 3).colour, Colour::Black);
    EXPECT_FALSE(g.cell(2, 3).bold);
    EXPECT_EQ(g.rows(), 31);
    EXPECT_TRUE(g.isVisible());
}

TEST_F(RatioGridBuild, StepsAndZeroSecondaryRatio)
{
    const struct
    {
        const char* name;
        const char* secondary;
    } cases[] = {{"zero", "0"}, {"empty counts as zero", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rebuild(selection("70", "15", "20", "0", "5", "1"), c.secondary);
        EXPECT_EQ(QStringList({grid.cell(0, 1).text, grid.cell(0, 2).text, grid.cell(0, 3).text,
                               grid.cell(0, 4).text, grid.cell(0, 5).text}),
                  QStringList({"70", "75", "80", "85", ""}));
        for (int col = 1; col <= 4; ++col)
            EXPECT_EQ(grid.cell(1, col).text, "0.000");
    }
}

TEST(RatioGridTable, NoneWhileASelectorIsUnset)
{
    for (int i = 0; i < 6; ++i) {
        Ranges::Selection s = selection("80", "2", "20", "1");
        InputText* selectors[] = {&s.spurStart,   &s.spurWidth,    &s.pinionStart,
                                  &s.pinionWidth, &s.spurInterval, &s.pinionInterval};
        selectors[i]->set = false;
        const auto table = RatioGrid::readTable(s, "5");
        ASSERT_TRUE(table) << i;
        EXPECT_FALSE(*table) << i;
    }
}

TEST_F(RatioGridBuild, ThirtyOneValuesAreAllShown)
{
    rebuild(selection("60", "30", "10", "30"), "1");
    EXPECT_EQ(grid.cols(), 32);
    EXPECT_EQ(grid.rows(), 32);
    EXPECT_EQ(grid.cell(0, 31).text, "90");
    EXPECT_EQ(grid.cell(31, 0).text, "40");
    // A later, smaller range gives the grid its usual 31 × 31 back.
    rebuild(selection("60", "5", "10", "5"), "1");
    EXPECT_EQ(grid.cols(), 31);
    EXPECT_EQ(grid.cell(0, 31).text, "");
}

TEST(RangeLabels, FollowTheStartAsTyped)
{
    const struct
    {
        const char* name;
        QStringList selectors;
        const char* spur;
        const char* pinion;
    } cases[] = {
        {"integers", {"70", "15", "20", "15"}, "スパー範囲 ( 70～85 )", "ピニオン範囲 ( 20～35 )"},
        {"decimal start",
         {"70.5", "15", "20", "10"},
         "スパー範囲 ( 70.5～85 )",
         "ピニオン範囲 ( 20～30 )"},
        {"text", {"abc", "15", "20", "10"}, "スパー範囲 ( abc～? )", "ピニオン範囲 ( 20～30 )"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList& s = c.selectors;
        const auto captions = RangeLabels::captions(selection(s[0], s[1], s[2], s[3]));
        ASSERT_TRUE(captions);
        EXPECT_EQ(captions->spur, QString::fromUtf8(c.spur));
        EXPECT_EQ(captions->pinion, QString::fromUtf8(c.pinion));
    }
}

TEST(RangeLabels, NoneWhileARangeSelectorIsUnset)
{
    for (int i = 0; i < 4; ++i) {
        Ranges::Selection s = selection("71", "15", "20", "10");
        InputText* selectors[] = {&s.spurStart, &s.spurWidth, &s.pinionStart, &s.pinionWidth};
        selectors[i]->set = false;
        EXPECT_FALSE(RangeLabels::captions(s)) << i;
    }
    // The intervals play no part in the captions.
    Ranges::Selection s = selection("71", "15", "20", "10");
    s.spurInterval.set = s.pinionInterval.set = false;
    EXPECT_TRUE(RangeLabels::captions(s));
}

// The grid's legend, the 走行計算 legend and sheet and the cells' descriptions
// say "±2.5%"; they state the band the cells are marked by.
TEST(RatioGridBand, IsTheOneTheLegendsState)
{
    EXPECT_EQ(RatioGrid::BandPercent, 2.5);
    EXPECT_EQ(RatioGrid::bandText(), "±2.5%");
}

} // namespace
