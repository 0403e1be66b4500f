#include "notebooklistmodel.h"

#include "app/notebook.h"
#include "notebook/notebookmessages.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QHash>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(NotebookList)
};
} // namespace

namespace {
QHash<int, QString> BestWords()
{
    return {{Notebook::Lap, Tr::tr("、最速")}, {Notebook::Temp, Tr::tr("、最も低い温度")}};
}
QString HottestWords() { return Tr::tr("、最も高い温度"); }
} // namespace

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
    // The fastest lap and the coolest motor of the listed runs stand out.
    const qint64 id = m_notebook.shownRow(index.row()).id;
    const bool best = (index.column() == Notebook::Lap && id == m_notebook.fastest()) ||
                      (index.column() == Notebook::Temp && id == m_notebook.coolest());
    // The hottest motor stands out too, as a warning.
    const bool hottest = index.column() == Notebook::Temp && id == m_notebook.hottest();
    const QString words = best      ? BestWords().value(index.column())
                          : hottest ? HottestWords()
                                    : QString();
    if (role == Qt::DisplayRole)
        return m_notebook.cellText(index.row(), index.column());
    if (role == Qt::AccessibleTextRole)
        return m_notebook.cellText(index.row(), index.column()) + words;
    if ((best || hottest) && role == Qt::FontRole) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (best && role == Qt::BackgroundRole)
        return QColor(0xd8, 0xf0, 0xff); // the light blue of the grid's best pair, paler
    if (hottest && role == Qt::BackgroundRole)
        return QColor(0xff, 0xe0, 0xd8); // a pale red: the run to keep away from
    if ((best || hottest) && role == Qt::ToolTipRole)
        return words.mid(1);
    if (role == Qt::ToolTipRole &&
        m_notebook.cellText(index.row(), index.column()).endsWith(NotebookMessages::StrayMark()))
        return NotebookMessages::StrayHint();
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
