#include "ratiogridview.h"

#include "calc/ratiogrid.h"
#include "common/flexgrid.h"
#include "gridheader.h"
#include "gridmodel.h"
#include "print/gridexport.h"
#include "twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const QPalette& palette = option.palette;
        GridLook::paintCell(painter, option.rect, index.data(Qt::DisplayRole),
                            index.data(Qt::TextAlignmentRole), index.data(Qt::ForegroundRole),
                            index.data(Qt::FontRole), QVariant(), option.font,
                            palette.color(QPalette::Text));
        // A selected cell is outlined, so its red or light-blue mark stays seen.
        if (option.state & QStyle::State_Selected) {
            painter->save();
            painter->setPen(QPen(palette.color(QPalette::Highlight), 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
            painter->restore();
        }
    }
};

QColor lineColourOf(const QTableView* view)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    return QColor::fromRgba(
        QRgb(view->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, view)));
}

} // namespace

RatioGridView::RatioGridView(const FlexGrid& grid, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new GridModel(grid, this)),
      m_across(new GridHeader(Qt::Horizontal, this)), m_down(new GridHeader(Qt::Vertical, this))
{
    setHorizontalHeader(m_across);
    setVerticalHeader(m_down);
    // A click on a heading picks its whole row or column, to copy.
    m_across->setSectionsClickable(true);
    m_down->setSectionsClickable(true);
    setModel(m_model);
    // One block of cells, so the copy is one table.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false); // Tab moves on to the next control
    setItemDelegate(new CellDelegate(this));
    // The view's corner button is its only button child.
    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner)
        m_corner->installEventFilter(this);
    applyLook();
    applySizes();
}

void RatioGridView::applyLook()
{
    m_model->setFixedColour(palette().color(QPalette::Button).darker(112));
    m_model->setBaseFont(font());
    for (GridHeader* header : {m_across, m_down}) {
        header->setFont(font());
        header->setLineColour(lineColourOf(this));
    }
}

void RatioGridView::applySizes()
{
    const int across = m_model->columnCount();
    const int down = m_model->rowCount();
    for (int c = 0; c < across; ++c)
        setColumnWidth(c, Twips::toPx(m_grid.colWidth(m_model->gridCol(c))));
    for (int r = 0; r < down; ++r)
        setRowHeight(r, Twips::toPx(m_grid.rowHeight(m_model->gridRow(r))));
    // A heading that is not there takes no room.
    const bool headingRow = m_model->gridRow(0) > 0;
    const bool headingCol = m_model->gridCol(0) > 0;
    m_across->setVisible(headingRow);
    m_down->setVisible(headingCol);
    if (headingRow)
        m_across->setFixedHeight(Twips::toPx(m_grid.rowHeight(0)));
    if (headingCol)
        m_down->setFixedWidth(Twips::toPx(m_grid.colWidth(0)));
}

void RatioGridView::sync()
{
    // Every change of the grid counts a new revision; a handler that left the
    // grid alone costs no relayout and no repaint.
    if (!m_model->sync())
        return;
    applySizes();
    // The best pair in view: at 100 % the window shows fewer than half the
    // columns of a survey, and its light-blue cell may lie past them.
    const RatioGrid::Marks marks = RatioGrid::marksOf(m_grid);
    if (marks.bestRow >= 0)
        scrollTo(m_model->index(marks.bestRow - m_model->gridRow(0),
                                marks.bestCol - m_model->gridCol(0)),
                 QAbstractItemView::EnsureVisible);
}

QString RatioGridView::selectionText() const
{
    const QModelIndexList picked = selectionModel()->selectedIndexes();
    if (picked.isEmpty())
        return GridExport::tabSeparated(m_grid);
    int top = picked.first().row(), bottom = top;
    int left = picked.first().column(), right = left;
    for (const QModelIndex& index : picked) {
        top = qMin(top, index.row());
        bottom = qMax(bottom, index.row());
        left = qMin(left, index.column());
        right = qMax(right, index.column());
    }
    return GridExport::tabSeparated(m_grid, m_model->gridRow(top), m_model->gridCol(left),
                                    m_model->gridRow(bottom), m_model->gridCol(right));
}

void RatioGridView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(selectionText());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void RatioGridView::updateGeometries()
{
    QTableView::updateGeometries();
    // The headings scroll with the table, as fixed cells of it: the scroll
    // bars measure a page with them, and their handles keep the grid's size.
    if (m_across->isVisible())
        verticalScrollBar()->setPageStep(verticalScrollBar()->pageStep() + m_across->height());
    if (m_down->isVisible())
        horizontalScrollBar()->setPageStep(horizontalScrollBar()->pageStep() + m_down->width());
}

void RatioGridView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::StyleChange)
        applyLook();
    QTableView::changeEvent(event);
}

bool RatioGridView::eventFilter(QObject* watched, QEvent* event)
{
    // The corner, where the headings meet, shows the grid's "P/S" cell.
    if (watched == m_corner && event->type() == QEvent::Paint) {
        paintCorner(m_corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void RatioGridView::paintCorner(QWidget* corner)
{
    QPainter painter(corner);
    const QRect cell = corner->rect().adjusted(0, 0, -1, -1);
    GridLook::paintCell(&painter, cell, m_model->cornerData(Qt::DisplayRole),
                        m_model->cornerData(Qt::TextAlignmentRole),
                        m_model->cornerData(Qt::ForegroundRole), m_model->cornerData(Qt::FontRole),
                        m_model->cornerData(Qt::BackgroundRole), font(),
                        palette().color(QPalette::Text));
    GridLook::paintLines(&painter, cell, lineColourOf(this));
}
