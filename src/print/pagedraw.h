#pragma once

#include "common/colour.h"
#include "platform/printpage.h"

#include <QString>

// Drawing onto a page, in twips: what every print-out of the program puts on
// paper is texts, lines, and a grid cell's ink.
namespace PageDraw {

inline void text(PrintPage& page, int x, int y, const QString& s, int size, bool bold = false,
                 int ink = Colour::Black)
{
    PageOp op;
    op.kind = PageOp::Kind::Text;
    op.x = x;
    op.y = y;
    op.text = s;
    op.pointSize = size;
    op.bold = bold;
    op.ink = ink;
    page.ops.append(op);
}

inline void line(PrintPage& page, int x1, int y1, int x2, int y2)
{
    PageOp op;
    op.kind = PageOp::Kind::Line;
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    page.ops.append(op);
}

// A cell prints in red or light blue when the grid marks it so, else in black.
inline int inkOf(int colour)
{
    return colour == Colour::Red || colour == Colour::LightBlue ? colour : Colour::Black;
}

} // namespace PageDraw
