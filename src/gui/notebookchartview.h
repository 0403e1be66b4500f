#pragma once

#include "notebook/notebookchart.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

// The notebook's two charts, drawn with QPainter at whatever size and zoom:
// temperature and lap against rollout or ratio above, the same over time below.
class NotebookChartView : public QWidget
{
    Q_OBJECT

public:
    explicit NotebookChartView(QWidget* parent = nullptr);

    // Small enough for the window to fit a 1366 x 768 laptop at 200 %,
    // large enough for both charts' scales and marks.
    static constexpr int MinimumWidth = 240, MinimumHeight = 200;

    void setPlots(NotebookChart::Plot byGear, NotebookChart::Plot byTime);
    // The chosen run's points boxed (none: no run chosen).
    void setSelected(const NotebookRow* row);
    const NotebookChart::Plot& byGear() const { return m_byGear; }
    const NotebookChart::Plot& byTime() const { return m_byTime; }

    // Both charts as a picture of size (in pixels at scale 1), drawn at scale.
    QImage picture(QSize size, qreal scale = 2.0) const;
    // One chart into a box, as on screen.
    static void paintPlot(QPainter& painter, const QRectF& box, const NotebookChart::Plot& plot);

    QSize sizeHint() const override { return {520, 420}; }

    // What a run's point says in its tooltip.
    void setPointText(std::function<QString(qint64 id)> text) { m_pointText = std::move(text); }

signals:
    // Left/Right (±1), Home/End (±many) on the focused chart: the chosen run
    // should move along the points of the upper chart.
    void stepped(int delta);
    // A point clicked: its run.
    void pointPicked(qint64 id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintBoth(QPainter& painter, const QRectF& area) const;
    // The run whose point lies nearest to a pixel, within a few pixels; 0 if none.
    qint64 runAt(const QPointF& pixel) const;

    NotebookChart::Plot m_byGear, m_byTime;
    std::function<QString(qint64)> m_pointText;
};
