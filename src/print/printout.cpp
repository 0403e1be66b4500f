#include "printout.h"

#include "form/controltable.h"
#include "print/pagedraw.h"

namespace PrintOut {

namespace {
constexpr int FrameLeft = 500;
constexpr int FrameTop = 1200;
constexpr int ColPitch = 850;
constexpr int RowPitch = 320;
constexpr int FrameCols = 18;
constexpr int FrameRows = 30;
constexpr int Inset = 50;

using PageDraw::inkOf;
using PageDraw::line;
using PageDraw::text;
} // namespace

QString field8(const QString& s) { return s.left(8).rightJustified(8, u' '); }

PrintPage buildPage(const Form& f)
{
    PrintPage page;
    page.landscape = true;
    page.face = Face;

    const struct
    {
        int x, y;
        const Control& control;
    } headings[] = {
        {500, 400, f.machineTitle()},    {7500, 400, f.statusLine()},   {500, 800, f.Label1},
        {3000, 800, f.secondaryRatio()}, {4000, 800, f.Label2},         {6500, 800, f.spurTeeth()},
        {7500, 800, f.Label3},           {10000, 800, f.pinionTeeth()}, {11000, 800, f.Label4},
        {13500, 800, f.totalRatio()},
    };
    for (const auto& h : headings)
        text(page, h.x, h.y, f.shown(h.control), 14);
    text(page, FrameLeft, FrameTop + FrameRows * RowPitch + Inset, ControlTable::contactLine(), 8);

    const int right = FrameLeft + FrameCols * ColPitch;
    const int bottom = FrameTop + FrameRows * RowPitch;
    for (int i = 0; i <= FrameCols; ++i)
        line(page, FrameLeft + ColPitch * i, FrameTop, FrameLeft + ColPitch * i, bottom);
    for (int j = 0; j <= FrameRows; ++j)
        line(page, FrameLeft, FrameTop + RowPitch * j, right, FrameTop + RowPitch * j);

    // Row 0 is always visited; a later row only while its first cell holds a
    // text; a row ends at its first empty cell. Grid row 30 has no frame row
    // of its own (its place is the contact line), so the walk stops before it.
    const FlexGrid& grid = f.MSFlexGrid1;
    for (int r = 0; r < FrameRows && r < grid.rows(); ++r) {
        if (r > 0 && grid.cell(r, 0).text.isEmpty())
            break;
        for (int c = 0; c < FrameCols && c < grid.cols(); ++c) {
            const GridCell& cell = grid.cell(r, c);
            if (cell.text.isEmpty())
                break;
            text(page, FrameLeft + Inset + ColPitch * c, FrameTop + Inset + RowPitch * r,
                 field8(cell.text), 10, cell.bold, inkOf(cell.colour));
        }
    }
    return page;
}

} // namespace PrintOut
