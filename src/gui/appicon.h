#pragma once

#include <QIcon>

// The program's 32 × 32 icon: a spur gear meshing with a pinion, drawn in the
// classic 16 colours.
QIcon appIcon();
