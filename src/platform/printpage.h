#pragma once

#include <QList>
#include <QString>

// The print-out as drawing operations in twips from the paper's top-left
// corner (the page is printed full-page), in the order they are drawn. A text is placed by the
// top-left corner of its first character.
struct PageOp
{
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    int x = 0, y = 0;   // text position, or the line's first point
    int x2 = 0, y2 = 0; // the line's second point
    QString text;
    int pointSize = 0;
    bool bold = false;
    int ink = 0; // colour number
};

struct PrintPage
{
    // A4 in twips.
    static constexpr int ShortSideTwips = 11906;
    static constexpr int LongSideTwips = 16838;

    bool landscape = true; // A4 landscape
    QString face;          // one face for everything
    QList<PageOp> ops;
};
