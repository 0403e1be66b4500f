#include "gridmodel.h"

#include "calc/ratiogrid.h"
#include "common/colour.h"

#include "colours.h"
#include "common/flexgrid.h"

#include <QCoreApplication>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(RatioGrid)
};
} // namespace

namespace {
// The headings are the grid's first row and column; the grid holds no others.
int headings(int fixed, int count) { return qMin(qMin(fixed, 1), count); }
} // namespace

GridModel::GridModel(const FlexGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_revision(grid.revision()),
      m_fixedColour(Qt::lightGray)
{
    m_rows = grid.rows() - headings(grid.fixedRows(), grid.rows());
    m_cols = grid.cols() - headings(grid.fixedCols(), grid.cols());
    m_boldFont.setBold(true);
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

int GridModel::gridRow(int row) const { return row + headings(m_grid.fixedRows(), m_grid.rows()); }

int GridModel::gridCol(int col) const { return col + headings(m_grid.fixedCols(), m_grid.cols()); }

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    return cellData(m_grid.cell(gridRow(index.row()), gridCol(index.column())), role);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool across = orientation == Qt::Horizontal;
    if (headings(across ? m_grid.fixedRows() : m_grid.fixedCols(),
                 across ? m_grid.rows() : m_grid.cols()) == 0)
        return {};
    if (role == Qt::BackgroundRole)
        return m_fixedColour;
    return cellData(across ? m_grid.cell(0, gridCol(section)) : m_grid.cell(gridRow(section), 0),
                    role);
}

QVariant GridModel::cornerData(int role) const
{
    return role == Qt::BackgroundRole ? QVariant(m_fixedColour) : cellData(m_grid.cell(0, 0), role);
}

QVariant GridModel::cellData(const GridCell& cell, int role) const
{
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
        return Colours::of(cell.colour);
    case Qt::FontRole:
        if (cell.bold)
            return m_boldFont;
        return {};
    case Qt::AccessibleDescriptionRole:
        // What the red and the light blue tell the eye, told to the ear.
        if (cell.colour == Colour::LightBlue)
            return Tr::tr("最も近い組合せ");
        if (cell.colour == Colour::Red)
            return Tr::tr("指定減速比の%1以内").arg(RatioGrid::bandText());
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    // Cells can be selected for copying; nobody edits the grid.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void GridModel::setBaseFont(const QFont& font)
{
    m_boldFont = font;
    m_boldFont.setBold(true);
}

void GridModel::setFixedColour(const QColor& colour) { m_fixedColour = colour; }

bool GridModel::sync()
{
    if (m_grid.revision() == m_revision && gridRow(m_rows) == m_grid.rows() &&
        gridCol(m_cols) == m_grid.cols())
        return false;
    beginResetModel();
    m_rows = m_grid.rows() - gridRow(0);
    m_cols = m_grid.cols() - gridCol(0);
    m_revision = m_grid.revision();
    endResetModel();
    return true;
}
