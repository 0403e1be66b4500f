#include "sheettable.h"

#include "drivelook.h"

#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>

namespace {
constexpr int TitleRow = 0;
constexpr int ColumnRow = 1;
constexpr int FirstRow = 2;

void setText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

// As the ratio grid does it: figures to the right, words to the left.
void align(QLabel* label, const QString& text)
{
    static const QRegularExpression figure(QStringLiteral("^(―|[-+]?[0-9.]+(%|/[0-9]+)?)$"));
    const Qt::Alignment wanted =
        (figure.match(text).hasMatch() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    if (label->alignment() != wanted)
        label->setAlignment(wanted);
}

void setName(QLabel* label, const QString& name)
{
    if (label->accessibleName() != name)
        label->setAccessibleName(name);
}
} // namespace

SheetTable::SheetTable(QWidget* parent)
    : QWidget(parent), m_layout(new QGridLayout(this)), m_heading(DriveLook::heading({}, this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1);
    m_layout->addWidget(m_heading, TitleRow, 0, 1, -1);
}

void SheetTable::setColumns(const QStringList& columns)
{
    if (m_columns.size() != columns.size()) {
        // A new shape: every row is made again for it.
        setRowCount(0);
        qDeleteAll(m_columns);
        m_columns.clear();
        for (qsizetype c = 0; c < columns.size(); ++c) {
            m_columns.append(DriveLook::columnHeading({}, this));
            m_layout->addWidget(m_columns.last(), ColumnRow, int(c));
        }
        m_layout->removeWidget(m_heading);
        m_layout->addWidget(m_heading, TitleRow, 0, 1, int(columns.size()));
    }
    for (qsizetype c = 0; c < columns.size(); ++c) {
        setText(m_columns[c], columns[c]);
        setName(m_columns[c], columns[c]);
    }
}

void SheetTable::setRowCount(int rows)
{
    while (m_cells.size() > rows)
        qDeleteAll(m_cells.takeLast());
    while (m_cells.size() < rows) {
        QList<QLabel*> row;
        const int r = FirstRow + int(m_cells.size());
        for (qsizetype c = 0; c < m_columns.size(); ++c) {
            QLabel* label = c == 0 ? DriveLook::heading({}, this, Qt::AlignLeft | Qt::AlignVCenter)
                                   : DriveLook::valueBox(this);
            m_layout->addWidget(label, r, int(c));
            label->show();
            row.append(label);
        }
        m_cells.append(row);
    }
}

void SheetTable::setTable(const DrivePrintOut::Table& table)
{
    setText(m_heading, table.heading);
    setName(m_heading, table.heading);
    setColumns(table.columns);
    setRowCount(int(table.rows.size()));
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const QStringList& texts = table.rows[r];
        for (qsizetype c = 0; c < m_columns.size(); ++c) {
            QLabel* label = m_cells[r][c];
            if (c == 0) {
                setText(label, texts.value(0));
                setName(label, texts.value(0));
                continue;
            }
            // A screen reader says which figure a box holds, and the figure.
            DriveLook::show(label, texts.value(0) + u' ' + table.columns[c], texts.value(c));
            align(label, texts.value(c));
        }
    }
}

QLabel* SheetTable::cell(int row, int col) const { return m_cells.value(row).value(col); }
