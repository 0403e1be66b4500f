#include "appicon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

namespace {

// A gear outline with trapezoid teeth; phase is the angle of the first tooth.
QPolygonF gearOutline(QPointF centre, int teeth, qreal rootRadius, qreal tipRadius, qreal phase)
{
    QPolygonF outline;
    const qreal step = 2 * M_PI / teeth;
    auto at = [&](qreal angle, qreal radius) {
        return centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    };
    for (int i = 0; i < teeth; ++i) {
        const qreal a = phase + i * step;
        outline << at(a - 0.30 * step, rootRadius) << at(a - 0.13 * step, tipRadius)
                << at(a + 0.13 * step, tipRadius) << at(a + 0.30 * step, rootRadius);
    }
    return outline;
}

} // namespace

QImage appIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // Small sizes keep to the 16-colour palette; large ones would show steps.
    p.setRenderHint(QPainter::Antialiasing, size > 32);
    // Drawn in the 32-pixel grid it was designed in.
    p.scale(size / 32.0, size / 32.0);

    // The two centres are one pitch-radius sum apart, and the pinion turns a
    // tooth into the spur's gap on the line between them.
    const QPointF spur(12.5, 12.5), pinion(24.0, 23.0);
    const qreal towardsPinion = qAtan2(pinion.y() - spur.y(), pinion.x() - spur.x());

    // Below the design size an outline would swallow the teeth; the fills
    // alone keep the two gears apart.
    if (size < 32)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0, 0, 255));
    p.drawPolygon(gearOutline(spur, 12, 8.5, 11.5, towardsPinion - M_PI / 12));
    p.setBrush(Qt::white);
    p.drawEllipse(spur, 3.5, 3.5);
    p.setBrush(Qt::black);
    p.drawEllipse(spur, 1.0, 1.0);

    p.setBrush(QColor(192, 192, 192));
    p.drawPolygon(gearOutline(pinion, 8, 4.5, 7.2, towardsPinion + M_PI));
    p.setBrush(QColor(128, 128, 128));
    p.drawEllipse(pinion, 1.5, 1.5);
    return image;
}

// Drawn afresh on each call: a pixmap must not outlive the application object.
QIcon appIcon()
{
    QIcon icon;
    for (const int size : WindowIconSizes)
        icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
    return icon;
}
