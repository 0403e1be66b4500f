#pragma once

#include "zoom.h"

#include <QRect>

#include <cmath>

// The window is laid out in twips. At 96 dpi 15 twips make one pixel; we place
// everything in Qt's logical pixels, which Qt scales on high-density screens,
// at the windows' zoom.
namespace Twips {

inline int toPx(int twips) { return int(std::lround(twips * Zoom::factor() / 15.0)); }

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPx(left), toPx(top), toPx(width), toPx(height));
}

} // namespace Twips
