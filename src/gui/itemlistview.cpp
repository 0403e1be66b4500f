#include "itemlistview.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QKeyEvent>

class ItemListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_items.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return m_items.value(index.row());
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        // As the rows of a QListWidget have them.
        return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                                     Qt::ItemIsEnabled | Qt::ItemIsDragEnabled
                               : Qt::NoItemFlags;
    }
    void setItems(const ItemList& items)
    {
        if (items.sharesWith(m_items))
            return;
        beginResetModel();
        m_items = items;
        endResetModel();
    }

private:
    ItemList m_items;
};

ItemListView::ItemListView(QWidget* parent) : QListView(parent), m_model(new ItemListModel(this))
{
    setModel(m_model);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                // Taking the focus makes a row current to draw the focus on;
                // that is not the user's pick.
                if (!m_takingFocus)
                    emit currentRowChanged(current.isValid() ? current.row() : -1);
            });
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit rowClicked(index.row()); });
}

void ItemListView::focusInEvent(QFocusEvent* event)
{
    m_takingFocus = true;
    QListView::focusInEvent(event);
    m_takingFocus = false;
}

void ItemListView::keyPressEvent(QKeyEvent* event)
{
    // Space or Return picks the row the focus is on, as a click would.
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier && currentIndex().isValid()) {
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
        emit rowPicked(currentIndex().row());
        return;
    }
    QListView::keyPressEvent(event);
}

void ItemListView::setItems(const ItemList& items) { m_model->setItems(items); }

int ItemListView::count() const { return m_model->rowCount(); }

QString ItemListView::itemText(int row) const { return m_model->index(row, 0).data().toString(); }

int ItemListView::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void ItemListView::setCurrentRow(int row)
{
    selectionModel()->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

bool ItemListView::isRowSelected(int row) const
{
    return selectionModel()->isSelected(m_model->index(row, 0));
}

void ItemListView::selectRow(int row)
{
    selectionModel()->select(m_model->index(row, 0), QItemSelectionModel::Select);
}

QRect ItemListView::rowRect(int row) const { return visualRect(m_model->index(row, 0)); }
