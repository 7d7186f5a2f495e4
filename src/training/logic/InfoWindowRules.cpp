#include "InfoWindowRules.h"

#include "Conversions.h"

#include <algorithm>

namespace training {

namespace {

int wishedTwips(qint16 pixels, int screenTwips)
{
    return pixels > MaxInfoSizePixels ? screenTwips : pixels * haz::TwipsPerPixel;
}

} // namespace

std::optional<QSize> infoWindowSizeWish(qint16 infoWidth, qint16 infoHeight, QSize screenTwips)
{
    if (infoWidth <= 0 || infoHeight <= 0)
        return std::nullopt;
    return QSize(wishedTwips(infoWidth, screenTwips.width()), wishedTwips(infoHeight, screenTwips.height()));
}

QSize infoBrowserSize(QSize window, QSize browser)
{
    // A window squeezed to almost nothing keeps the page as it was, ready for when it grows.
    constexpr qint64 SmallestTwips = 140;
    const auto fits = [](int pixels) { return qint64(pixels) * haz::TwipsPerPixel > SmallestTwips; };
    return QSize(fits(window.width()) ? window.width() : browser.width(),
                 fits(window.height()) ? window.height() : browser.height());
}

QString infoWindowTitle(const QString &subjectLabel, const QString &heading)
{
    return subjectLabel + QStringLiteral(" - ") + heading;
}

InfoBoxStep infoBoxStepForTab(int selectedTab, bool sourceReady)
{
    InfoBoxStep step;
    switch (selectedTab) {
    case 1: case 2: case 3: case 4: case 5: case 8: case 9:
        step.openFromSource = sourceReady;
        step.hide = !sourceReady;
        break;
    case 0: case 6: case 7: case 10:
        step.hide = true;
        break;
    default:
        break;
    }
    return step;
}

QString debugPositionText(const QString &name, qint64 leftTwips)
{
    return name + u':' + haz::conv::toText(leftTwips) + u':';
}

} // namespace training
