#include "calc/ratiogrid.h"
#include "common/colour.h"
#include "support/appfixture.h"

namespace {

class RatioGridBuild : public AppFixture
{
protected:
    void rebuild()
    {
        f.Text2.text.clear(); // no module is stored, only the grid rebuilt
        press(ControlId::Command29);
    }
};

TEST_F(RatioGridBuild, FillsHeadersAndPlainRatios)
{
    ranges("80", "2", "20", "1");
    f.Label6.text = "2.5";
    rebuild();
    const FlexGrid& g = f.MSFlexGrid1;
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
    EXPECT_EQ(host.busyDepth, 0);
    EXPECT_TRUE(g.isVisible());
}

TEST_F(RatioGridBuild, StepsAndZeroSecondaryRatio)
{
    ranges("70", "15", "20", "0", "5", "1");
    f.Label6.text = "0";
    rebuild();
    const FlexGrid& g = f.MSFlexGrid1;
    EXPECT_EQ(QStringList({g.cell(0, 1).text, g.cell(0, 2).text, g.cell(0, 3).text,
                           g.cell(0, 4).text, g.cell(0, 5).text}),
              QStringList({"70", "75", "80", "85", ""}));
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(g.cell(1, c).text, "0.000");
}

TEST_F(RatioGridBuild, AnUnsetSelectorLeavesTheGridAsItWas)
{
    ranges("80", "2", "20", "1");
    f.Label6.text = "2.5";
    rebuild();
    const QString before = f.MSFlexGrid1.cell(1, 1).text;
    for (int i = 1; i <= 6; ++i) {
        Control* combo = f.control(QStringLiteral("Combo%1").arg(i));
        const QString saved = combo->text;
        for (const QString& unset : {QStringLiteral("Combo%1").arg(i), QString()}) {
            combo->text = unset;
            f.Label6.text = "5";
            rebuild();
            EXPECT_EQ(f.MSFlexGrid1.cell(1, 1).text, before) << i;
            EXPECT_TRUE(host.messages.isEmpty());
        }
        combo->text = saved;
    }
}

TEST_F(RatioGridBuild, ThirtyOneValuesAreAllShown)
{
    ranges("60", "30", "10", "30");
    f.Label6.text = "1";
    rebuild();
    EXPECT_EQ(f.MSFlexGrid1.cols(), 32);
    EXPECT_EQ(f.MSFlexGrid1.rows(), 32);
    EXPECT_EQ(f.MSFlexGrid1.cell(0, 31).text, "90");
    EXPECT_EQ(f.MSFlexGrid1.cell(31, 0).text, "40");
    // A later, smaller range gives the grid its usual 31 × 31 back.
    ranges("60", "5", "10", "5");
    rebuild();
    EXPECT_EQ(f.MSFlexGrid1.cols(), 31);
    EXPECT_EQ(f.MSFlexGrid1.cell(0, 31).text, "");
}

TEST_F(RatioGridBuild, RangeLabelsFollowTheStartAsTyped)
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
        // Unset selectors leave both captions as they were.
        {"unset", {"71", "Combo2", "20", "10"}, "スパー範囲 ( abc～? )", "ピニオン範囲 ( 20～30 )"},
        {"empty", {"71", "15", "20", ""}, "スパー範囲 ( abc～? )", "ピニオン範囲 ( 20～30 )"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ranges(c.selectors[0], c.selectors[1], c.selectors[2], c.selectors[3]);
        press(ControlId::Combo1);
        EXPECT_EQ(f.Label5.text, QString::fromUtf8(c.spur));
        EXPECT_EQ(f.Label10.text, QString::fromUtf8(c.pinion));
    }
    EXPECT_FALSE(app.raise(ControlId::Combo5)); // the intervals have no handler
}

// The grid's legend, the 走行計算 legend and sheet and the cells' descriptions
// say "±2.5%"; they state the band the cells are marked by.
TEST(RatioGridBand, IsTheOneTheLegendsState)
{
    EXPECT_EQ(RatioGrid::BandPercent, 2.5);
    EXPECT_EQ(RatioGrid::bandText(), "±2.5%");
}

} // namespace
