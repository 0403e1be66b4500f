#pragma once

#include "common/itemlist.h"

#include <QListView>

class ItemListModel;

// A list box of the window. Its rows are read from the Form's item list when
// they are drawn, so a list of 100 000 cars makes no item object per car.
class ItemListView : public QListView
{
    Q_OBJECT

public:
    explicit ItemListView(QWidget* parent = nullptr);

    // Shows these items; a list that shares the shown one's storage costs nothing.
    void setItems(const ItemList& items);
    int count() const;
    QString itemText(int row) const;
    int currentRow() const;
    void setCurrentRow(int row);
    bool isRowSelected(int row) const;
    void selectRow(int row);
    QRect rowRect(int row) const;

signals:
    // A new current row, by mouse or arrow keys (-1: none).
    void currentRowChanged(int row);
    // A click on a row, also on the current one.
    void rowClicked(int row);
    // Space or Return on the focused row.
    void rowPicked(int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ItemListModel* m_model;
    bool m_takingFocus = false;
};
