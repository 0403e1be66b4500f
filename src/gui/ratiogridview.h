#pragma once

#include <QTableView>

class FlexGrid;
class GridModel;

// The ratio grid on screen. Row 0 and column 0 are ordinary cells of the model
// drawn in the fixed colour; like the fixed cells of a grid control they stay
// in place while the rest scrolls, which three overlay views take care of.
class RatioGridView : public QTableView
{
    Q_OBJECT

public:
    explicit RatioGridView(const FlexGrid& grid, QWidget* parent = nullptr);

    GridModel* gridModel() const { return m_model; }

    // Takes over the grid's shape, sizes and contents; call after every handler.
    void sync();

protected:
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;

private:
    QTableView* makeOverlay();
    void applySizes(QTableView* view);
    void placeOverlays();
    int fixedWidth() const;
    int fixedHeight() const;

    const FlexGrid& m_grid;
    GridModel* m_model;
    // Null until built: the base class lays out before our constructor finishes.
    QTableView* m_fixedRow = nullptr; // header row, scrolls sideways with the body
    QTableView* m_fixedCol = nullptr; // header column, scrolls up and down with the body
    QTableView* m_corner = nullptr;   // the cell where both meet; never scrolls
};
