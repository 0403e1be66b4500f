#include "zoom.h"

#include <QSettings>

#include <cmath>

namespace Zoom {

namespace {
double current = 1.0;
const QString Key = QStringLiteral("window/zoom");

// The preferences file, $XDG_CONFIG_HOME/zeltan/zeltan.conf.
QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zeltan"),
                     QStringLiteral("zeltan"));
}
} // namespace

double factor() { return current; }

void setFactor(double zoom) { current = zoom; }

double fitting(QSize design, QSize fixed, QSize room)
{
    if (design.isEmpty())
        return 1.0;
    const double across = double(room.width() - fixed.width()) / design.width();
    const double down = double(room.height() - fixed.height()) / design.height();
    return std::floor(qMin(across, down) * 100.0) / 100.0;
}

double saved()
{
    bool ok = false;
    const double zoom = settings().value(Key, 1.0).toDouble(&ok);
    return ok && zoom >= Smallest && zoom <= Largest ? zoom : 1.0;
}

void save(double zoom)
{
    QSettings s = settings();
    s.setValue(Key, zoom);
}

} // namespace Zoom
