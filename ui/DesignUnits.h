#pragma once

#include "track/CellIndex.h"

#include <QColor>
#include <QRect>

#include <algorithm>
#include <cmath>

// The windows are laid out in twips, 15 to a device-independent pixel (1440 to the logical
// inch of 96 pixels), so Qt scales them on dense screens.
inline constexpr double kTwipsPerPixel = 15.0;

// No window system places or sizes a window beyond this many pixels.
inline constexpr int kPixelLimit = 32767;

// Twips to whole pixels, rounded and kept within what a window system can take, whatever
// number a settings file held.
inline int twipsToPixels(double twips) {
    const double pixels = std::round(twips / kTwipsPerPixel);
    return static_cast<int>(std::clamp(pixels, double(-kPixelLimit), double(kPixelLimit)));
}

inline float pixelsToTwips(int pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

// A rectangle of the design, Left, Top, Width, Height in twips.
inline QRect twipsRect(int left, int top, int width, int height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return {x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y};
}

// A colour held as red + 256 × green + 65536 × blue.
inline QColor toQColor(Color color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
