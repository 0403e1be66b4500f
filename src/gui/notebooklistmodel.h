#pragma once

#include <QAbstractTableModel>

class Notebook;

// The notebook's list as a table: rows are the model's shown runs, texts
// made only for the rows on screen, so a hundred thousand runs cost nothing
// to list.
class NotebookListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit NotebookListModel(const Notebook& notebook, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Takes the list again when it changed.
    void sync();

private:
    const Notebook& m_notebook;
    quint64 m_revision = 0;
};
