#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

class FlexGrid;
struct GridCell;

// A read-only table model over the Form's ratio grid. The fixed row and
// column (spur counts across, pinion counts down) are the model's headings,
// so views and screen readers take them for what they are; the rest are its
// cells. Cells are read live, so a repaint always shows the Form; the shape
// is taken over on sync(), wrapped in a model reset, whenever the grid changed.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit GridModel(const FlexGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The grid's row and column of a model cell.
    int gridRow(int row) const;
    int gridCol(int col) const;
    // The cell where the headings meet ("P/S"), in the roles of data().
    QVariant cornerData(int role) const;

    // The view's font, made bold for bold cells.
    void setBaseFont(const QFont& font);
    // Background of the headings.
    void setFixedColour(const QColor& colour);

    // Returns whether the model was reset.
    bool sync();

private:
    QVariant cellData(const GridCell& cell, int role) const;

    const FlexGrid& m_grid;
    int m_rows = 0;
    int m_cols = 0;
    quint64 m_revision = 0;
    QFont m_boldFont;
    QColor m_fixedColour;
};
