#include "gridheader.h"

#include "appsetup.h"
#include "zoom.h"

#include <QPainter>

namespace GridLook {

void paintCell(QPainter* painter, const QRect& rect, const QVariant& text, const QVariant& align,
               const QVariant& colour, const QVariant& font, const QVariant& background,
               const QFont& baseFont, const QColor& baseColour)
{
    constexpr int Margin = 2;
    if (background.isValid())
        painter->fillRect(rect, background.value<QColor>());
    painter->save();
    const QRect room = rect.adjusted(Margin, 0, -Margin, 0);
    const QString shown = text.toString();
    // Below the design size a figure can be wider than its cell: it is
    // narrowed to fit, since cut at its left 10.000 would read 0.000. At the
    // design size every figure fits, and no cell is measured on a paint.
    QFont face = font.isValid() ? font.value<QFont>() : baseFont;
    if (Zoom::factor() < 1.0)
        face = AppSetup::fitted(face, shown, room.width());
    painter->setFont(face);
    painter->setPen(colour.isValid() ? colour.value<QColor>() : baseColour);
    painter->setClipRect(rect);
    painter->drawText(room, align.toInt(), shown);
    painter->restore();
}

void paintLines(QPainter* painter, const QRect& rect, const QColor& colour)
{
    painter->save();
    painter->setPen(QPen(colour, 1));
    painter->drawLine(rect.right() + 1, rect.top(), rect.right() + 1, rect.bottom() + 1);
    painter->drawLine(rect.left(), rect.bottom() + 1, rect.right() + 1, rect.bottom() + 1);
    painter->restore();
}

} // namespace GridLook

GridHeader::GridHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    // Sizes come from the grid in twips, however small, and stay as the grid says.
    setMinimumSectionSize(1);
    setSectionResizeMode(QHeaderView::Fixed);
    setHighlightSections(false);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QAbstractItemModel* m = model();
    const Qt::Orientation o = orientation();
    const QRect cell = rect.adjusted(0, 0, -1, -1);
    GridLook::paintCell(painter, cell, m->headerData(logicalIndex, o, Qt::DisplayRole),
                        m->headerData(logicalIndex, o, Qt::TextAlignmentRole),
                        m->headerData(logicalIndex, o, Qt::ForegroundRole),
                        m->headerData(logicalIndex, o, Qt::FontRole),
                        m->headerData(logicalIndex, o, Qt::BackgroundRole), font(),
                        palette().color(QPalette::Text));
    GridLook::paintLines(painter, cell, m_lineColour);
}

void GridHeader::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    // Past the last section the grid shows its empty background, crossed by
    // the line under the headings, not a header's face.
    const int end = length() - offset();
    const QSize size = viewport()->size();
    const bool across = orientation() == Qt::Horizontal;
    if (end >= (across ? size.width() : size.height()))
        return;
    QPainter painter(viewport());
    const QRect rest = across ? QRect(end, 0, size.width() - end, size.height())
                              : QRect(0, end, size.width(), size.height() - end);
    painter.fillRect(rest, palette().color(QPalette::Base));
    painter.setPen(QPen(m_lineColour, 1));
    if (across)
        painter.drawLine(rest.left(), rest.bottom(), rest.right(), rest.bottom());
    else
        painter.drawLine(rest.right(), rest.top(), rest.right(), rest.bottom());
}
