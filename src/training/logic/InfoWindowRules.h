#pragma once
// The info window's arithmetic and its decision per tab, without a window.
// Sizes are twips (15 per pixel).

#include "Twips.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace training {

// The largest size wish in pixels whose twips still fit 16 bits.
inline constexpr int MaxInfoSizePixels = 2184;

// The window size (twips) a question's InfoWidth/InfoHeight ask for; nothing when
// either is 0 or less (the window keeps its size). A wish beyond 2184 pixels takes
// the screen's size in that direction.
std::optional<QSize> infoWindowSizeWish(qint16 infoWidth, qint16 infoHeight, QSize screenTwips);

// The browser's size (pixels) for the window's inner size: it fills the window, except
// in a direction in which the window is 140 twips or less, where it keeps its size.
QSize infoBrowserSize(QSize window, QSize browser);

// The window title of a subject question: subject label, " - ", heading.
QString infoWindowTitle(const QString &subjectLabel, const QString &heading);

// What matching the info window to the selected tab does.
struct InfoBoxStep {
    bool openFromSource = false; // run the tab's info-link click
    bool hide = false;           // hide the window
};
// `sourceReady`: the tab shows a question (for subject tabs: in the quiz view) whose
// InfoLink is not empty.
InfoBoxStep infoBoxStepForTab(int selectedTab, bool sourceReady);

// The text of the debug button's two messages: "exam:", the left edge, ":".
QString debugPositionText(const QString &name, qint64 leftTwips);

} // namespace training
