#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

enum class CellAlign { General, Centre, Right };

struct GridCell
{
    QString text;
    CellAlign align = CellAlign::General;
    int colour = 0; // colour number; 0 is the default black
    bool bold = false;
};

// The ratio grid as plain data, with the operations the window uses on its
// grid control: everything goes through the current cell, and a current cell
// outside the grid makes the cell operations do nothing, so no caller can
// write past its edges.
class FlexGrid
{
public:
    static constexpr int DefaultColWidth = 700;  // twips
    static constexpr int DefaultRowHeight = 300; // twips

    FlexGrid();

    // Every cell's text emptied and its formatting back to the defaults.
    void clear();

    void setRows(int rows);
    void setCols(int cols);
    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    void setFixedRows(int n) { m_fixedRows = n; }
    void setFixedCols(int n) { m_fixedCols = n; }
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }

    void setSize(int widthTwips, int heightTwips);
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setColWidth(int col, int twips);
    void setRowHeight(int row, int twips);
    int colWidth(int col) const;
    int rowHeight(int row) const;

    // Returns whether the cell lies inside the grid.
    bool setCurrentCell(int row, int col);
    int row() const { return m_row; }
    int col() const { return m_col; }

    // Writes to the current cell; cell() reads any.
    void setText(const QString& text);
    void setAlignment(CellAlign align);
    void setColour(int colourNumber);
    void setBold(bool bold);

    void hide();
    void show();
    bool isVisible() const { return m_visible; }

    // Read access for views and the print-out; cells outside read as empty.
    const GridCell& cell(int row, int col) const;

    // Moves with every change of a cell, the shape or the visibility, so a
    // view can tell after a handler whether it must draw the grid again. Every
    // change of any grid takes the next number of one count: two grids never
    // share a revision, whatever was copied from where.
    quint64 revision() const { return m_revision.value(); }

private:
    // A number taken afresh after every change, and by every copy or
    // assignment. A change only marks it; the number is taken when it is next
    // read, so filling 40 000 cells takes one number, not 200 000.
    class Revision
    {
    public:
        Revision() : m_value(next()) {}
        Revision(const Revision&) noexcept : m_value(next()) {}
        Revision& operator=(const Revision&) noexcept
        {
            m_value = next();
            m_changed = false;
            return *this;
        }
        void advance() { m_changed = true; }
        quint64 value() const
        {
            if (m_changed) {
                m_value = next();
                m_changed = false;
            }
            return m_value;
        }

    private:
        static quint64 next();
        mutable quint64 m_value;
        mutable bool m_changed = false;
    };

    // The current cell for a write, which counts as a change.
    GridCell* changed();
    GridCell* current();
    void resizeCells(int rows, int cols);

    int m_rows = 2;
    int m_cols = 2;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_width = 0;
    int m_height = 0;
    int m_row = 0;
    int m_col = 0;
    bool m_visible = true;
    Revision m_revision;
    QList<GridCell> m_cells;
    QList<int> m_colWidths;
    QList<int> m_rowHeights;
};
