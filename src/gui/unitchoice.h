#pragma once

#include "calc/units.h"
#include "language.h"

#include <QLocale>

#include <functional>

class QMenu;

// The units the windows show, chosen in ツール → 単位 and kept beside the zoom.
namespace UnitChoice {

// Without a choice: metric in Japanese; otherwise the locale's own measure
// (inches and mph where it is US or UK imperial).
Units::System ofLocale(Language::Choice language, const QLocale& locale);

// The saved choice, else the default above for the window's language and the
// system's locale; read once, then as set.
Units::System current();
// Takes the choice for the windows and keeps it in the settings file.
void set(Units::System system);

// ツール → 単位: the two choices, the current one checked; changed() runs
// after a choice is taken, for the windows to draw themselves again.
QMenu* addMenu(QMenu* tools, const std::function<void()>& changed);

} // namespace UnitChoice
