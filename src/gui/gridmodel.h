#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

class FlexGrid;

// A read-only table model over the Form's ratio grid. Cells are read live, so
// a repaint always shows the Form; the shape is taken over on sync(), wrapped
// in a model reset, whenever the grid was refilled or resized.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit GridModel(const FlexGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The view's font, made bold for bold cells.
    void setBaseFont(const QFont& font);
    // Background of the fixed header row and column.
    void setFixedColour(const QColor& colour);

    // Returns whether the model was reset.
    bool sync();

private:
    bool isFixed(int row, int col) const;

    const FlexGrid& m_grid;
    int m_rows = 0;
    int m_cols = 0;
    quint64 m_revision = 0;
    QFont m_boldFont;
    QColor m_fixedColour;
};
