#pragma once

#include <QRect>

// The window is laid out in twips. At 96 dpi 15 twips make one pixel; we place
// everything in Qt's logical pixels, which Qt scales on high-density screens.
namespace Twips {

constexpr int toPx(int twips) { return (2 * twips + 15) / 30; } // twips / 15, rounded

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPx(left), toPx(top), toPx(width), toPx(height));
}

} // namespace Twips
