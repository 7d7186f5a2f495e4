#include "InfoPlacement.h"

#include <algorithm>

namespace scenario {

QRect infoBesideMain(QRect mainFrame, QSize infoFrame, QRect area)
{
    QSize size = infoFrame.boundedTo(area.size());
    const int roomRight = area.right() - mainFrame.right();
    const int roomLeft = mainFrame.left() - area.left();
    const bool rightSide = size.width() <= roomRight || (size.width() > roomLeft && roomRight >= roomLeft);
    const int room = rightSide ? roomRight : roomLeft;
    if (size.width() > room)
        size.setWidth(std::max(std::min(MinInfoWidthPixels, size.width()), room));
    const int left = rightSide ? mainFrame.right() + 1 : mainFrame.left() - size.width();
    QRect placed(QPoint(left, mainFrame.top()), size);
    placed.moveLeft(std::clamp(placed.left(), area.left(), area.left() + area.width() - size.width()));
    placed.moveTop(std::clamp(placed.top(), area.top(), area.top() + area.height() - size.height()));
    return placed;
}

} // namespace scenario
