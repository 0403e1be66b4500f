#include "notebooklistmodel.h"

#include "app/notebook.h"
#include "notebook/notebookmessages.h"

NotebookListModel::NotebookListModel(const Notebook& notebook, QObject* parent)
    : QAbstractTableModel(parent), m_notebook(notebook), m_revision(notebook.revision())
{
}

int NotebookListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_notebook.shownCount());
}

int NotebookListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Notebook::ColumnCount;
}

QVariant NotebookListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_notebook.shownCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_notebook.cellText(index.row(), index.column());
    if (role == Qt::ToolTipRole &&
        m_notebook.cellText(index.row(), index.column()).endsWith(NotebookMessages::StrayMark))
        return NotebookMessages::StrayHint;
    if (role == Qt::TextAlignmentRole)
        return index.column() >= Notebook::Gears ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                 : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant NotebookListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Notebook::columnTitles().value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void NotebookListModel::sync()
{
    if (m_revision == m_notebook.revision())
        return;
    beginResetModel();
    m_revision = m_notebook.revision();
    endResetModel();
}
