#include "flexgrid.h"

#include <atomic>

namespace {
const GridCell kEmptyCell;
} // namespace

quint64 FlexGrid::Revision::next()
{
    static std::atomic<quint64> last{0};
    return ++last;
}

FlexGrid::FlexGrid() { resizeCells(m_rows, m_cols); }

void FlexGrid::resizeCells(int rows, int cols)
{
    m_revision.advance();
    QList<GridCell> cells(qsizetype(rows) * cols);
    for (int r = 0; r < qMin(rows, m_rows); ++r)
        for (int c = 0; c < qMin(cols, m_cols); ++c)
            cells[qsizetype(r) * cols + c] = m_cells.value(qsizetype(r) * m_cols + c);
    m_cells = std::move(cells);
    m_rows = rows;
    m_cols = cols;
    m_colWidths.resize(cols, DefaultColWidth);
    m_rowHeights.resize(rows, DefaultRowHeight);
    if (m_row >= rows)
        m_row = rows - 1;
    if (m_col >= cols)
        m_col = cols - 1;
}

void FlexGrid::clear()
{
    for (GridCell& cell : m_cells)
        cell = GridCell();
    m_revision.advance();
}

void FlexGrid::setRows(int rows)
{
    if (rows >= 1 && rows != m_rows)
        resizeCells(rows, m_cols);
}

void FlexGrid::setCols(int cols)
{
    if (cols >= 1 && cols != m_cols)
        resizeCells(m_rows, cols);
}

void FlexGrid::setSize(int widthTwips, int heightTwips)
{
    m_revision.advance();
    m_width = widthTwips;
    m_height = heightTwips;
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col >= 0 && col < m_cols) {
        m_colWidths[col] = twips;
        m_revision.advance();
    }
}

void FlexGrid::setRowHeight(int row, int twips)
{
    if (row >= 0 && row < m_rows) {
        m_rowHeights[row] = twips;
        m_revision.advance();
    }
}

int FlexGrid::colWidth(int col) const { return m_colWidths.value(col, DefaultColWidth); }
int FlexGrid::rowHeight(int row) const { return m_rowHeights.value(row, DefaultRowHeight); }

bool FlexGrid::setCurrentCell(int row, int col)
{
    m_row = row;
    m_col = col;
    return current() != nullptr;
}

GridCell* FlexGrid::current()
{
    if (m_row < 0 || m_col < 0 || m_row >= m_rows || m_col >= m_cols)
        return nullptr;
    return &m_cells[qsizetype(m_row) * m_cols + m_col];
}

GridCell* FlexGrid::changed()
{
    GridCell* c = current();
    if (c)
        m_revision.advance();
    return c;
}

const GridCell& FlexGrid::cell(int row, int col) const
{
    if (row < 0 || col < 0 || row >= m_rows || col >= m_cols)
        return kEmptyCell;
    return m_cells[qsizetype(row) * m_cols + col];
}

void FlexGrid::setText(const QString& text)
{
    if (GridCell* c = changed())
        c->text = text;
}

void FlexGrid::setAlignment(CellAlign align)
{
    if (GridCell* c = changed())
        c->align = align;
}

void FlexGrid::setColour(int colourNumber)
{
    if (GridCell* c = changed())
        c->colour = colourNumber;
}

void FlexGrid::setBold(bool bold)
{
    if (GridCell* c = changed())
        c->bold = bold;
}

void FlexGrid::hide()
{
    m_visible = false;
    m_revision.advance();
}

void FlexGrid::show()
{
    m_visible = true;
    m_revision.advance();
}
