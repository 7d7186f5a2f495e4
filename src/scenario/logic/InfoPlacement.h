#pragma once
// Where the info window goes: beside the main window, so that the scene and the
// question stay in view, and always on the available screen area. Pixels.

#include <QRect>
#include <QSize>

namespace scenario {

// Narrower than this the page is hard to read; the window then overlaps the main window.
inline constexpr int MinInfoWidthPixels = 320;

// The info window's outer rectangle: to the right of `mainFrame` if it fits there, else
// to the left, else on the roomier side narrowed to that room; top-aligned with the main
// window, and kept inside `area`.
QRect infoBesideMain(QRect mainFrame, QSize infoFrame, QRect area);

} // namespace scenario
