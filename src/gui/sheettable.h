#pragma once

#include "print/driveprintout.h"

#include <QList>
#include <QWidget>

class QGridLayout;
class QLabel;

// One table of the 走行計算 sheet on screen: its heading across the top, the
// column headings, then a row of value boxes per line, the first one naming
// it. Labels are made only when the shape changes; texts are set only when
// they differ, so following the main window costs no relayout.
class SheetTable : public QWidget
{
    Q_OBJECT

public:
    explicit SheetTable(QWidget* parent = nullptr);

    void setTable(const DrivePrintOut::Table& table);
    // The label of a row's column, or nullptr.
    QLabel* cell(int row, int col) const;
    int rowCount() const { return int(m_cells.size()); }

private:
    void setColumns(const QStringList& columns);
    void setRowCount(int rows);

    QGridLayout* m_layout;
    QLabel* m_heading;
    QList<QLabel*> m_columns;
    QList<QList<QLabel*>> m_cells;
};
