#pragma once

#include <QSettings>
#include <QSize>
#include <QString>

// The windows are designed in twips and drawn at a zoom: 1.0 is the design
// size in the desktop's own (already scaled) pixels. A screen smaller than
// the design gets the zoom at which the window fits; the user's own choice
// (Ctrl+plus/minus/0) is kept between starts in $XDG_CONFIG_HOME/zeltan.
namespace Zoom {

inline constexpr double Smallest = 0.4;
inline constexpr double Largest = 2.0;
inline constexpr double Step = 0.1;

// The zoom the windows are drawn at now.
double factor();
void setFactor(double zoom);

// The largest zoom at which content of design pixels (at zoom 1.0) and fixed
// pixels that do not zoom (frame, menu bar) fit into room, in hundredths.
double fitting(QSize design, QSize fixed, QSize room);

// Where the zoom is kept: $XDG_CONFIG_HOME/zeltan/zeltan.conf.
QString settingsPath();
// Why the preferences file is neither read nor written (it is a FIFO, a
// folder, a device …), or "" when it is usable or not there yet.
QString settingsProblem();
// The preferences file, for the other choices kept beside the zoom. Read or
// write it only when settingsProblem() is "".
QSettings settings();

// The zoom the user chose, 1.0 when none.
double saved();
void save(double zoom);

} // namespace Zoom

// The other preferences kept in the same file.
namespace Preferences {

// 温度上限: the motor temperature the rollout advice keeps under, in ℃;
// 70 when none was chosen or what the file holds makes no sense.
double tempLimit();
// False when the file could not be written (the choice then lasts this session).
bool saveTempLimit(double limit);
inline constexpr double LeastTempLimit = 20, MostTempLimit = 200;

} // namespace Preferences
