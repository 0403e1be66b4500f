#pragma once

#include <QHeaderView>

class GridModel;

namespace GridLook {

// Draws a cell as the grid control does: its background, then its text with
// a narrow margin, clipped at the cell's edge, so "10.000" fits a 700-twip
// column instead of turning into "10.0…". rect leaves out the grid lines.
void paintCell(QPainter* painter, const QRect& rect, const QVariant& text, const QVariant& align,
               const QVariant& colour, const QVariant& font, const QVariant& background,
               const QFont& baseFont, const QColor& baseColour);

// The grid line of a cell rect: along its right and its bottom edge.
void paintLines(QPainter* painter, const QRect& rect, const QColor& colour);

} // namespace GridLook

// The spur or pinion headings of the ratio grid: Qt's own header, so screen
// readers find real row and column headers, painted cell for cell like the
// fixed row and column of a grid control, grid lines included.
class GridHeader : public QHeaderView
{
    Q_OBJECT

public:
    GridHeader(Qt::Orientation orientation, QWidget* parent);

    void setLineColour(const QColor& colour) { m_lineColour = colour; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_lineColour;
};
