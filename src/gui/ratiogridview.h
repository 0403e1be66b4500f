#pragma once

#include <QTableView>

class FlexGrid;
class GridHeader;
class GridModel;

// The ratio grid on screen. Row 0 and column 0 of the grid are the model's
// headings, shown by two header views painted in the fixed colour; like the
// fixed cells of a grid control they stay in place while the rest scrolls.
// Ctrl+C copies the selected cells (all of them when none is selected) with
// their headings as tab-separated text.
class RatioGridView : public QTableView
{
    Q_OBJECT

public:
    explicit RatioGridView(const FlexGrid& grid, QWidget* parent = nullptr);

    GridModel* gridModel() const { return m_model; }

    // Takes over the grid's shape, sizes and contents; call after every handler.
    void sync();
    // Column widths and row heights at the windows' zoom.
    void rescale() { applySizes(); }
    // The selected cells, or the whole table, as the clipboard gets them.
    QString selectionText() const;

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applySizes();
    void applyLook();
    void paintCorner(QWidget* corner);

    const FlexGrid& m_grid;
    GridModel* m_model;
    GridHeader* m_across;
    GridHeader* m_down;
    QWidget* m_corner = nullptr;
};
