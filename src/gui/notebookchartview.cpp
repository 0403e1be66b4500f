#include "notebookchartview.h"

#include "notebook/notebookmessages.h"

#include <QBitArray>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(NotebookChart)
};
} // namespace

namespace {
// The program's red and blue, as the grid marks them, strong enough on white.
const QColor TempColour(176, 0, 0);
const QColor LapColour(0, 64, 208);
constexpr qreal Mark = 3.5; // radius in pixels

// One mark drawn once, at the painter's pixel ratio, then stamped.
QPixmap markSprite(const QColor& colour, bool triangle, qreal ratio)
{
    const int side = int(std::ceil((2 * Mark + 2) * ratio));
    QPixmap sprite(side, side);
    sprite.setDevicePixelRatio(ratio);
    sprite.fill(Qt::transparent);
    QPainter p(&sprite);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QColor fill = colour;
    fill.setAlpha(170);
    p.setBrush(fill);
    const QPointF c(Mark + 1, Mark + 1);
    if (triangle)
        p.drawPolygon(QPolygonF({c + QPointF(0, -Mark), c + QPointF(Mark, Mark * 0.8),
                                 c + QPointF(-Mark, Mark * 0.8)}));
    else
        p.drawEllipse(c, Mark, Mark);
    return sprite;
}

// Where a chart's frame lies in its box, for drawing and for finding points.
QRectF frameOf(const QRectF& box, const QFontMetricsF& fm)
{
    const qreal line = fm.height();
    const qreal side = fm.horizontalAdvance(QStringLiteral("000.00")) + 10;
    return {box.left() + side, box.top() + 2.4 * line, box.width() - 2 * side,
            box.height() - 4.8 * line};
}

QPointF placed(const QPointF& v, const NotebookChart::Axis& x, const NotebookChart::Axis& y,
               const QRectF& plot)
{
    return {x.place(v.x(), plot.left(), plot.width()),
            y.place(v.y(), plot.bottom(), -plot.height())};
}

// One series' marks, at most one per couple of pixels: a hundred thousand
// runs draw as fast as the spots they cover.
void drawMarks(QPainter& p, const QList<QPointF>& points, const NotebookChart::Axis& x,
               const NotebookChart::Axis& y, const QRectF& plot, const QPixmap& sprite)
{
    const int cols = int(plot.width() / 2) + 1, rows = int(plot.height() / 2) + 1;
    QBitArray taken(cols * rows);
    const QPointF corner(Mark + 1, Mark + 1);
    for (const QPointF& v : points) {
        const QPointF at = placed(v, x, y, plot);
        const int cell = int(std::clamp((at.y() - plot.top()) / 2, 0.0, rows - 1.0)) * cols +
                         int(std::clamp((at.x() - plot.left()) / 2, 0.0, cols - 1.0));
        if (taken.testBit(cell))
            continue;
        taken.setBit(cell);
        p.drawPixmap(at - corner, sprite);
    }
}
} // namespace

NotebookChartView::NotebookChartView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(MinimumWidth, MinimumHeight);
    // A keyboard user reaches it and steps through its points.
    setFocusPolicy(Qt::StrongFocus);
}

void NotebookChartView::setPlots(NotebookChart::Plot byGear, NotebookChart::Plot byTime)
{
    m_byGear = std::move(byGear);
    m_byTime = std::move(byTime);
    update();
}

void NotebookChartView::setSelected(const NotebookRow* row)
{
    NotebookChart::select(m_byGear, row);
    NotebookChart::select(m_byTime, row);
    update();
}

void NotebookChartView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintBoth(p, rect());
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void NotebookChartView::keyPressEvent(QKeyEvent* event)
{
    constexpr int Far = 1 << 30;
    switch (event->key()) {
    case Qt::Key_Left:
        emit stepped(-1);
        return;
    case Qt::Key_Right:
        emit stepped(1);
        return;
    case Qt::Key_Home:
        emit stepped(-Far);
        return;
    case Qt::Key_End:
        emit stepped(Far);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

qint64 NotebookChartView::runAt(const QPointF& pixel) const
{
    const QFontMetricsF fm(font());
    const qreal half = height() / 2.0;
    qint64 best = 0;
    qreal nearest = 2 * Mark + 2; // pixels
    for (const auto& [plot, top] : {std::pair{&m_byGear, 0.0}, std::pair{&m_byTime, half}}) {
        const QRectF frame = frameOf(QRectF(0, top, width(), half), fm);
        for (const auto& [points, ids, axis] :
             {std::tuple{&plot->temps, &plot->tempIds, &plot->temp},
              std::tuple{&plot->laps, &plot->lapIds, &plot->lap}})
            for (qsizetype i = 0; i < points->size(); ++i) {
                const QPointF d = placed((*points)[i], plot->x, *axis, frame) - pixel;
                const qreal distance = std::hypot(d.x(), d.y());
                if (distance < nearest) {
                    nearest = distance;
                    best = (*ids)[i];
                }
            }
    }
    return best;
}

void NotebookChartView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (const qint64 id = runAt(event->position()))
        emit pointPicked(id);
}

bool NotebookChartView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_pointText) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const qint64 id = runAt(help->pos());
        if (id)
            QToolTip::showText(help->globalPos(), m_pointText(id), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void NotebookChartView::paintBoth(QPainter& p, const QRectF& area) const
{
    p.fillRect(area, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font());
    const qreal half = area.height() / 2;
    paintPlot(p, QRectF(area.left(), area.top(), area.width(), half), m_byGear);
    paintPlot(p, QRectF(area.left(), area.top() + half, area.width(), half), m_byTime);
}

QImage NotebookChartView::picture(QSize size, qreal scale) const
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    paintBoth(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void NotebookChartView::paintPlot(QPainter& p, const QRectF& box, const NotebookChart::Plot& plot)
{
    const QFontMetricsF fm(p.font());
    const qreal line = fm.height();
    p.setPen(Qt::black);
    p.drawText(QRectF(box.left() + 6, box.top() + 2, box.width() - 12, line), Qt::AlignLeft,
               NotebookChart::title(plot.kind));
    const qreal side = fm.horizontalAdvance(QStringLiteral("000.00")) + 10;
    const QRectF frame = frameOf(box, fm);
    if (frame.width() < 20 || frame.height() < 20)
        return;
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(frame);
    if (plot.empty()) {
        p.drawText(frame, Qt::AlignCenter, NotebookMessages::noRunsToChart());
        return;
    }
    p.setPen(QPen(QColor(220, 220, 220), 1));
    for (double t : plot.x.ticks) {
        const qreal x = plot.x.place(t, frame.left(), frame.width());
        p.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
    }
    p.setPen(Qt::black);
    for (double t : plot.x.ticks) {
        const qreal x = plot.x.place(t, frame.left(), frame.width());
        p.drawLine(QPointF(x, frame.bottom()), QPointF(x, frame.bottom() + 4));
        p.drawText(QRectF(x - 50, frame.bottom() + 5, 100, line), Qt::AlignHCenter,
                   NotebookChart::tickText(plot.x, t));
    }
    p.drawText(QRectF(frame.left(), frame.bottom() + 5 + line, frame.width(), line),
               Qt::AlignHCenter, plot.x.title);
    if (plot.tempFit) {
        // The fitted temperature as a line in a band of one residual
        // standard deviation, under the points it was fitted to.
        const auto& f = *plot.tempFit;
        // Unclamped, unlike a point's place: the clip cuts the line at the
        // frame without bending it.
        auto at = [&](double x, double off) {
            return QPointF(frame.left() + plot.x.at(x) * frame.width(),
                           frame.bottom() -
                               plot.temp.at(f.intercept + f.slope * x + off) * frame.height());
        };
        p.save();
        p.setClipRect(frame);
        p.setPen(Qt::NoPen);
        QColor band = TempColour;
        band.setAlpha(40);
        p.setBrush(band);
        // Only the stretch of rollouts where the band crosses the temperature
        // scale: a steep line is never drawn thousands of frames long.
        double from = plot.x.lo, to = plot.x.hi;
        if (f.slope != 0) {
            const double a = (plot.temp.lo - f.spread - f.intercept) / f.slope,
                         b = (plot.temp.hi + f.spread - f.intercept) / f.slope;
            from = std::max(from, std::min(a, b));
            to = std::min(to, std::max(a, b));
        }
        if (from < to) {
            p.drawPolygon(QPolygonF(
                {at(from, f.spread), at(to, f.spread), at(to, -f.spread), at(from, -f.spread)}));
            p.setPen(QPen(TempColour, 1.5, Qt::DashLine));
            p.drawLine(at(from, 0), at(to, 0));
        }
        p.restore();
    }
    const struct
    {
        const NotebookChart::Axis& axis;
        const QList<QPointF>& points;
        const std::optional<QPointF>& latest;
        const std::optional<QPointF>& selected;
        QColor colour;
        bool left;
    } series[] = {{plot.temp, plot.temps, plot.latestTemp, plot.selectedTemp, TempColour, true},
                  {plot.lap, plot.laps, plot.latestLap, plot.selectedLap, LapColour, false}};
    for (const auto& s : series) {
        p.setPen(s.colour);
        for (double t : s.axis.ticks) {
            const qreal y = s.axis.place(t, frame.bottom(), -frame.height());
            const qreal edge = s.left ? frame.left() : frame.right();
            p.drawLine(QPointF(edge, y), QPointF(edge + (s.left ? -4 : 4), y));
            const QRectF label = s.left ? QRectF(box.left(), y - line / 2, side - 6, line)
                                        : QRectF(frame.right() + 6, y - line / 2, side - 6, line);
            p.drawText(label, (s.left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       NotebookChart::tickText(s.axis, t));
        }
        const QString legend =
            (s.left ? QStringLiteral("● ") : QStringLiteral("▲ ")) + s.axis.title;
        p.drawText(QRectF(frame.left(), frame.top() - 1.2 * line, frame.width(), line),
                   (s.left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom, legend);
        drawMarks(p, s.points, plot.x, s.axis, frame,
                  markSprite(s.colour, !s.left, p.device()->devicePixelRatioF()));
        if (s.latest) {
            // The newest run ringed and named.
            const QPointF at = placed(*s.latest, plot.x, s.axis, frame);
            p.setPen(QPen(Qt::black, 1.5));
            p.drawEllipse(at, Mark + 4, Mark + 4);
            p.drawText(at + QPointF(Mark + 6, -Mark - 4), NotebookMessages::latestMark());
        }
        if (s.selected) {
            // The run chosen in the list, boxed.
            const QPointF at = placed(*s.selected, plot.x, s.axis, frame);
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(
                QRectF(at - QPointF(Mark + 3, Mark + 3), QSizeF(2 * Mark + 6, 2 * Mark + 6)));
        }
    }
}
