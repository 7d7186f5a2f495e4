#pragma once
// Where an info window goes, in both programs: never over what the learner is
// answering (the question, its picture, the alternatives, the Answer button). Beside
// the main window when the screen has room there; otherwise over a part of the
// screen, the main window's own free parts included, that holds none of them, the
// window made smaller if it must; always wholly on the screen. Pixels, screen
// coordinates.

#include <QList>
#include <QRect>
#include <QSize>

namespace haz {

// Smaller than this a page is hard to read.
inline constexpr QSize MinInfoSize(320, 200);

struct InfoPlace {
    QRect frame;           // the info window's outer rectangle
    bool coversNothing = true; // false: no free place was big enough; this one covers least
};

// `keepInView`: what must stay in view; `mainFrame`: the main window's outer rectangle;
// `wanted`: the info window's outer size; `area`: the screen's available area.
InfoPlace placeInfoWindow(QRect mainFrame, const QList<QRect> &keepInView, QSize wanted, QRect area);

// A rectangle moved (and shrunk where it is larger) into `area`.
QRect keptInside(QRect frame, QRect area);

} // namespace haz
