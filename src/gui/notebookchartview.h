#pragma once

#include "notebook/notebookchart.h"

#include <QImage>
#include <QWidget>

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
    const NotebookChart::Plot& byGear() const { return m_byGear; }
    const NotebookChart::Plot& byTime() const { return m_byTime; }

    // Both charts as a picture of size (in pixels at scale 1), drawn at scale.
    QImage picture(QSize size, qreal scale = 2.0) const;
    // One chart into a box, as on screen.
    static void paintPlot(QPainter& painter, const QRectF& box, const NotebookChart::Plot& plot);

    QSize sizeHint() const override { return {520, 420}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBoth(QPainter& painter, const QRectF& area) const;

    NotebookChart::Plot m_byGear, m_byTime;
};
