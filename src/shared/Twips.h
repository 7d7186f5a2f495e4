#pragma once
// Twips, the unit of every position and size in the course's layout rules and data:
// 15 twips to one device-independent pixel. Arithmetic stays in twips; a geometry is
// turned into pixels once, where it is applied to a widget (TwipGeometry.h).

#include <QtGlobal>

namespace haz {

inline constexpr int TwipsPerPixel = 15;

struct TwipRect {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
    friend bool operator==(const TwipRect &, const TwipRect &) = default;
};

// Halves away from zero, as a screen position would be rounded.
constexpr int twipsToPixels(qint32 value)
{
    return value >= 0 ? (value + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-value + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr qint32 pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

} // namespace haz
