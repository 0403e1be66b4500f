#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a spur gear meshing with a pinion. At 32 × 32 and below
// it keeps to the classic 16 colours; larger sizes are the same drawing,
// scaled and antialiased.
QImage appIconImage(int size);

// The sizes the desktop theme gets, one PNG each.
inline constexpr int AppIconSizes[] = {16, 32, 48, 64, 128, 256};
// The sizes a running window needs; the larger ones are installed as files.
inline constexpr int WindowIconSizes[] = {16, 32, 48};

QIcon appIcon();
