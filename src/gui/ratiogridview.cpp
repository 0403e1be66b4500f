#include "ratiogridview.h"

#include "form/flexgrid.h"
#include "gridmodel.h"
#include "twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// Draws a cell as the grid control does: a narrow margin and the text clipped
// at the cell's edge, so "10.000" fits a 700-twip column instead of turning
// into "10.0…".
class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.isValid())
            painter->fillRect(option.rect, background.value<QColor>());
        const QVariant font = index.data(Qt::FontRole);
        const QVariant colour = index.data(Qt::ForegroundRole);
        painter->save();
        painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
        painter->setPen(colour.isValid() ? colour.value<QColor>()
                                         : option.palette.color(QPalette::Text));
        painter->setClipRect(option.rect);
        const int align = index.data(Qt::TextAlignmentRole).toInt();
        painter->drawText(option.rect.adjusted(Margin, 0, -Margin, 0), align,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    static constexpr int Margin = 2;
};

void configure(QTableView* view)
{
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    // Sizes come from the grid in twips, however small.
    view->horizontalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setMinimumSectionSize(1);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setTabKeyNavigation(false); // Tab moves on to the next control
    view->setItemDelegate(new CellDelegate(view));
}

} // namespace

RatioGridView::RatioGridView(const FlexGrid& grid, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new GridModel(grid, this))
{
    configure(this);
    setModel(m_model);
    m_model->setFixedColour(palette().color(QPalette::Button).darker(112));
    m_fixedRow = makeOverlay();
    m_fixedCol = makeOverlay();
    m_corner = makeOverlay();

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_fixedRow->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_fixedCol->verticalScrollBar(),
            &QScrollBar::setValue);
    applySizes(this);
}

QTableView* RatioGridView::makeOverlay()
{
    auto* view = new QTableView(this);
    configure(view);
    view->setModel(m_model);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFocusPolicy(Qt::NoFocus);
    // Clicks and the wheel reach the body underneath, which drives the scrolling.
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    return view;
}

void RatioGridView::applySizes(QTableView* view)
{
    for (int c = 0; c < m_grid.cols(); ++c)
        view->setColumnWidth(c, Twips::toPx(m_grid.colWidth(c)));
    for (int r = 0; r < m_grid.rows(); ++r)
        view->setRowHeight(r, Twips::toPx(m_grid.rowHeight(r)));
}

int RatioGridView::fixedWidth() const
{
    int width = 0;
    for (int c = 0; c < qMin(m_grid.fixedCols(), m_grid.cols()); ++c)
        width += columnWidth(c);
    return width;
}

int RatioGridView::fixedHeight() const
{
    int height = 0;
    for (int r = 0; r < qMin(m_grid.fixedRows(), m_grid.rows()); ++r)
        height += rowHeight(r);
    return height;
}

void RatioGridView::sync()
{
    // Every change of the grid counts a new revision; a handler that left the
    // grid alone costs no relayout and no repaint.
    if (!m_model->sync())
        return;
    for (QTableView* view : {static_cast<QTableView*>(this), m_fixedRow, m_fixedCol, m_corner})
        applySizes(view);
    placeOverlays();
}

void RatioGridView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_model->setBaseFont(font());
    QTableView::changeEvent(event);
}

void RatioGridView::updateGeometries()
{
    QTableView::updateGeometries();
    placeOverlays();
}

void RatioGridView::placeOverlays()
{
    if (!m_fixedRow || !m_fixedCol || !m_corner)
        return;
    const QRect body = viewport()->geometry();
    const int w = qMin(fixedWidth(), body.width());
    const int h = qMin(fixedHeight(), body.height());

    m_fixedRow->setGeometry(body.left(), body.top(), body.width(), h);
    m_fixedCol->setGeometry(body.left(), body.top(), w, body.height());
    m_corner->setGeometry(body.left(), body.top(), w, h);
    m_fixedRow->setVisible(h > 0);
    m_fixedCol->setVisible(w > 0);
    m_corner->setVisible(w > 0 && h > 0);
    m_corner->raise();

    m_fixedRow->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    m_fixedCol->verticalScrollBar()->setValue(verticalScrollBar()->value());
}
