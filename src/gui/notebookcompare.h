#pragma once

#include <QDialog>

class Notebook;
class QComboBox;
class QTableWidget;

// Two listed runs side by side, every field in its own row, the rows that
// differ marked. Either side can be changed to any listed run.
class NotebookCompareDialog : public QDialog
{
    Q_OBJECT

public:
    // left, right: places in the notebook's shown list.
    NotebookCompareDialog(const Notebook& notebook, qsizetype left, qsizetype right,
                          QWidget* parent);
    QTableWidget* table() const { return m_table; }
    QComboBox* side(int which) const { return which == 0 ? m_left : m_right; }

private:
    void fill();

    const Notebook& m_notebook;
    QComboBox* m_left = nullptr;
    QComboBox* m_right = nullptr;
    QTableWidget* m_table = nullptr;
};
