#include "notebookcompare.h"

#include "app/notebook.h"
#include "drivelook.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(NotebookCompare)
};
} // namespace

namespace {

// The shown runs as a choice, each named when the view asks: a season of
// runs is offered without a hundred thousand texts made up front.
class ShownRuns : public QAbstractListModel
{
public:
    ShownRuns(const Notebook& notebook, QObject* parent)
        : QAbstractListModel(parent), m_notebook(notebook)
    {
    }
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(m_notebook.shownCount());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || index.row() >= m_notebook.shownCount())
            return {};
        QStringList parts;
        for (int column : {Notebook::Date, Notebook::Track, Notebook::Gears, Notebook::Rollout})
            if (const QString text = m_notebook.cellText(index.row(), column); !text.isEmpty())
                parts << text;
        return parts.join(Tr::tr("　"));
    }

private:
    const Notebook& m_notebook;
};

QString Differs() { return Tr::tr("（違う）"); }
} // namespace

NotebookCompareDialog::NotebookCompareDialog(const Notebook& notebook, qsizetype left,
                                             qsizetype right, QWidget* parent)
    : QDialog(parent), m_notebook(notebook)
{
    setObjectName(QStringLiteral("compare"));
    setWindowTitle(Tr::tr("記録を比べる"));
    setFont(DriveLook::font());
    auto* runs = new ShownRuns(notebook, this);
    auto* grid = new QGridLayout(this);
    int column = 1;
    for (auto [combo, name, caption, at] :
         {std::tuple{&m_left, "left", Tr::tr("左の記録"), left},
          std::tuple{&m_right, "right", Tr::tr("右の記録"), right}}) {
        *combo = new QComboBox(this);
        (*combo)->setObjectName(QString::fromLatin1(name));
        (*combo)->setAccessibleName(caption);
        (*combo)->setModel(runs);
        (*combo)->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        (*combo)->setMinimumContentsLength(28);
        (*combo)->setCurrentIndex(int(at));
        connect(*combo, &QComboBox::currentIndexChanged, this, &NotebookCompareDialog::fill);
        grid->addWidget(*combo, 0, column++);
    }
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("differences"));
    m_table->setAccessibleName(Tr::tr("二つの記録の比較"));
    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({Tr::tr("項目"), Tr::tr("左の記録"), Tr::tr("右の記録")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setTabKeyNavigation(false);
    // The two runs get equal room, the headings what they need.
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    grid->addWidget(m_table, 1, 0, 1, 3);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(Tr::tr("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    fill();
    resize(760, 620);
}

void NotebookCompareDialog::fill()
{
    auto stored = [this](const QComboBox* combo) {
        const int at = combo->currentIndex();
        if (at < 0 || at >= m_notebook.shownCount())
            return NotebookEntry();
        const auto found = m_notebook.entry(m_notebook.shownRow(at).id);
        return found ? *found : NotebookEntry();
    };
    const QList<NotebookDifference> rows = notebookCompare(stored(m_left), stored(m_right));
    m_table->setRowCount(int(rows.size()));
    QFont bold = font();
    bold.setBold(true);
    for (int r = 0; r < rows.size(); ++r) {
        const NotebookDifference& d = rows[r];
        const QStringList texts = {d.heading, d.left, d.right};
        for (int c = 0; c < 3; ++c) {
            auto* item =
                new QTableWidgetItem(c == 0 && d.differs ? d.heading + Differs() : texts[c]);
            if (d.differs) {
                item->setFont(bold);
                item->setBackground(QColor(0xff, 0xf0, 0xb0)); // a pale yellow: look here
            }
            m_table->setItem(r, c, item);
        }
    }
}
