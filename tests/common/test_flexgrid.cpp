#include "calc/ratiogrid.h"
#include "common/colour.h"
#include "common/flexgrid.h"
#include "form/form.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

// The current cell, as the grid's writes see it.
const GridCell& here(const FlexGrid& grid) { return grid.cell(grid.row(), grid.col()); }

TEST(FlexGrid, CellPropertiesReadBackUntilTheNextClear)
{
    FlexGrid grid;
    RatioGrid::layout(grid);
    ASSERT_TRUE(grid.setCurrentCell(6, 11));
    grid.setText("8.000");
    grid.setColour(Colour::LightBlue);
    grid.setBold(true);
    grid.setAlignment(CellAlign::Right);
    grid.setCurrentCell(0, 0);
    ASSERT_TRUE(grid.setCurrentCell(6, 11));
    EXPECT_EQ(here(grid).text, "8.000");
    EXPECT_EQ(here(grid).colour, 16711680);
    EXPECT_TRUE(here(grid).bold);
    EXPECT_EQ(here(grid).align, CellAlign::Right);

    grid.clear();
    EXPECT_EQ(here(grid).text, "");
    EXPECT_NE(here(grid).colour, Colour::Red);
    EXPECT_NE(here(grid).colour, Colour::LightBlue);
    EXPECT_FALSE(here(grid).bold);
}

TEST(FlexGrid, CopiesNeverShareARevision)
{
    FlexGrid grid;
    RatioGrid::layout(grid);
    const FlexGrid copied(grid);
    FlexGrid assigned;
    assigned = grid;
    const quint64 assignedRevision = assigned.revision();
    const FlexGrid moved(std::move(assigned));
    // No two of them read the same revision, and a change gives a grid one
    // that none had before.
    QList<quint64> revisions = {grid.revision(), copied.revision(), assignedRevision,
                                moved.revision()};
    grid.show();
    revisions << grid.revision();
    EXPECT_EQ(QSet<quint64>(revisions.begin(), revisions.end()).size(), revisions.size());
    EXPECT_EQ(grid.revision(), revisions.last()); // unchanged, the same
    EXPECT_EQ(copied.cell(0, 0).text, "P/S");
    EXPECT_EQ(moved.cell(0, 0).text, "P/S");
}

TEST(FlexGrid, LayoutIs31By31WithTwipSizesAndTheCornerText)
{
    FlexGrid grid;
    RatioGrid::layout(grid);
    EXPECT_EQ(grid.rows(), 31);
    EXPECT_EQ(grid.cols(), 31);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.fixedCols(), 1);
    EXPECT_EQ(grid.width(), 5535);
    EXPECT_EQ(grid.height(), 8175);
    for (int i = 0; i < 31; ++i) {
        EXPECT_EQ(grid.colWidth(i), 700);
        EXPECT_EQ(grid.rowHeight(i), 300);
    }
    EXPECT_EQ(grid.cell(0, 0).text, "P/S");
    EXPECT_EQ(grid.cell(0, 0).align, CellAlign::Centre);
    EXPECT_TRUE(grid.isVisible());
}

TEST(FlexGrid, CellsOutsideTheGridAreNeverWritten)
{
    FlexGrid grid;
    RatioGrid::layout(grid);
    const struct
    {
        const char* name;
        int r, c;
    } outside[] = {{"row past the end", 31, 0},
                   {"column past the end", 0, 31},
                   {"negative row", -1, 0},
                   {"negative column", 0, -1},
                   {"far beyond both", 40, 40}};
    for (auto [name, r, c] : outside) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(grid.setCurrentCell(r, c));
        grid.setText("x");
        grid.setBold(true);
        EXPECT_EQ(here(grid).text, "");
        EXPECT_FALSE(here(grid).bold);
    }
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            EXPECT_NE(grid.cell(r, c).text, "x");
}

TEST(FlexGrid, GrowingKeepsCellsAndGivesNewOnesTheDefaultSizes)
{
    FlexGrid grid;
    RatioGrid::layout(grid);
    grid.setRows(60);
    grid.setCols(45);
    EXPECT_EQ(grid.cell(0, 0).text, "P/S");
    EXPECT_EQ(grid.colWidth(44), 700);
    EXPECT_EQ(grid.rowHeight(59), 300);
    EXPECT_TRUE(grid.setCurrentCell(59, 44));
}

TEST(Form, ControlsStartAtTheirDesignCaptionsAndVisibility)
{
    Form form;
    EXPECT_EQ(form.Command21.text, "★");
    EXPECT_EQ(form.Command18.text, "");
    EXPECT_EQ(form.Label11.text, "0");
    EXPECT_EQ(form.Combo1.text, "Combo1");
    EXPECT_EQ(form.Command16.text, "・");
    for (const Control* hidden : {&form.Label35, &form.Text2, &form.List2, &form.Command30})
        EXPECT_FALSE(hidden->visible);
    EXPECT_TRUE(form.Label13.visible);
    EXPECT_EQ(form.control(u"Label13"), &form.Label13);
    EXPECT_EQ(form.control(u"Nothing"), nullptr);
}

} // namespace
