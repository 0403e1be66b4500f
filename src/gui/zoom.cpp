#include "zoom.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Zoom)
};
} // namespace

namespace Zoom {

namespace {
double current = 1.0;
const QString Key = QStringLiteral("window/zoom");

// Only a regular file is read or written: QSettings would wait for ever in
// open() on a FIFO, or read a device.
bool usable()
{
    const QFileInfo file(settingsPath());
    return !file.exists() || file.isFile();
}
} // namespace

QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zeltan"),
                     QStringLiteral("zeltan"));
}

// As QSettings names it, without making a QSettings (which opens the file at once).
QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zeltan/zeltan.conf");
}

QString settingsProblem()
{
    return usable() ? QString()
                    : Tr::tr("設定ファイル %1 は通常のファイルではないため、"
                             "読み書きせずに標準の設定で起動しました")
                          .arg(settingsPath());
}

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
    if (!usable())
        return 1.0;
    bool ok = false;
    const double zoom = settings().value(Key, 1.0).toDouble(&ok);
    return ok && zoom >= Smallest && zoom <= Largest ? zoom : 1.0;
}

void save(double zoom)
{
    if (!usable())
        return;
    QSettings s = settings();
    s.setValue(Key, zoom);
}

} // namespace Zoom

namespace Preferences {

namespace {
const QString TempKey = QStringLiteral("advice/tempLimit");
}

double tempLimit()
{
    constexpr double Default = 70.0;
    if (!Zoom::settingsProblem().isEmpty())
        return Default;
    bool ok = false;
    const double limit = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                   QStringLiteral("zeltan"), QStringLiteral("zeltan"))
                             .value(TempKey, Default)
                             .toDouble(&ok);
    return ok && limit >= LeastTempLimit && limit <= MostTempLimit ? limit : Default;
}

bool saveTempLimit(double limit)
{
    if (!Zoom::settingsProblem().isEmpty())
        return false;
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zeltan"),
                QStringLiteral("zeltan"));
    s.setValue(TempKey, limit);
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace Preferences
