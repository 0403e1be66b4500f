#include "printout.h"

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

QString field8(const QString& t) { return t.left(8).rightJustified(8, u' '); }

PrintPage buildPage(const Sheet& s)
{
    PrintPage page;
    page.landscape = true;
    page.face = Face;

    const struct
    {
        int x, y;
        const QString& text;
    } headings[] = {
        {500, 400, s.machine},        {7500, 400, s.status},      {500, 800, s.secondaryHeading},
        {3000, 800, s.secondary},     {4000, 800, s.spurHeading}, {6500, 800, s.spur},
        {7500, 800, s.pinionHeading}, {10000, 800, s.pinion},     {11000, 800, s.totalHeading},
        {13500, 800, s.total},
    };
    for (const auto& h : headings)
        text(page, h.x, h.y, h.text, 14);
    text(page, FrameLeft, FrameTop + FrameRows * RowPitch + Inset, s.contactLine, 8);

    const int right = FrameLeft + FrameCols * ColPitch;
    const int bottom = FrameTop + FrameRows * RowPitch;
    for (int i = 0; i <= FrameCols; ++i)
        line(page, FrameLeft + ColPitch * i, FrameTop, FrameLeft + ColPitch * i, bottom);
    for (int j = 0; j <= FrameRows; ++j)
        line(page, FrameLeft, FrameTop + RowPitch * j, right, FrameTop + RowPitch * j);

    // Row 0 is always visited; a later row only while its first cell holds a
    // text; a row ends at its first empty cell. Grid row 30 has no frame row
    // of its own (its place is the contact line), so the walk stops before it.
    const FlexGrid& grid = s.grid;
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
