#include "gridmodel.h"

#include "common/colour.h"
#include "form/flexgrid.h"

GridModel::GridModel(const FlexGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_rows(grid.rows()), m_cols(grid.cols()),
      m_revision(grid.revision()), m_fixedColour(Qt::lightGray)
{
    m_boldFont.setBold(true);
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

bool GridModel::isFixed(int row, int col) const
{
    return row < m_grid.fixedRows() || col < m_grid.fixedCols();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const GridCell& cell = m_grid.cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::TextAlignmentRole:
        switch (cell.align) {
        case CellAlign::Centre:
            return int(Qt::AlignCenter);
        case CellAlign::Right:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        case CellAlign::General: {
            // As the grid control does it: numbers to the right, words to the left.
            bool number = false;
            cell.text.toDouble(&number);
            return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        }
        return {};
    case Qt::ForegroundRole:
        return QColor(Colour::red(cell.colour), Colour::green(cell.colour),
                      Colour::blue(cell.colour));
    case Qt::FontRole:
        if (cell.bold)
            return m_boldFont;
        return {};
    case Qt::BackgroundRole:
        if (isFixed(index.row(), index.column()))
            return m_fixedColour;
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    // Enabled but neither selectable nor editable: nobody edits the grid.
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void GridModel::setBaseFont(const QFont& font)
{
    m_boldFont = font;
    m_boldFont.setBold(true);
}

void GridModel::setFixedColour(const QColor& colour) { m_fixedColour = colour; }

bool GridModel::sync()
{
    if (m_grid.revision() == m_revision && m_grid.rows() == m_rows && m_grid.cols() == m_cols)
        return false;
    beginResetModel();
    m_rows = m_grid.rows();
    m_cols = m_grid.cols();
    m_revision = m_grid.revision();
    endResetModel();
    return true;
}
