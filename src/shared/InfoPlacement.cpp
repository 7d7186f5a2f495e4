#include "InfoPlacement.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace haz {

namespace {

// Candidate top-left corners for a window of `size`: the wished corner, the area's
// edges and the edges of every obstacle, each kept inside the area.
QList<QPoint> candidates(QSize size, const QList<QRect> &obstacles, QRect area, QPoint wish)
{
    QList<int> xs{wish.x(), area.left(), area.right() + 1 - size.width()};
    QList<int> ys{wish.y(), area.top(), area.bottom() + 1 - size.height()};
    for (const QRect &o : obstacles) {
        xs << o.right() + 1 << o.left() - size.width();
        ys << o.bottom() + 1 << o.top() - size.height();
    }
    QList<QPoint> corners;
    for (int x : xs)
        for (int y : ys)
            corners << QPoint(std::clamp(x, area.left(), area.right() + 1 - size.width()),
                              std::clamp(y, area.top(), area.bottom() + 1 - size.height()));
    return corners;
}

qint64 distance(QPoint a, QPoint b)
{
    return qint64(std::abs(a.x() - b.x())) + std::abs(a.y() - b.y());
}

qint64 covered(const QRect &frame, const QList<QRect> &obstacles)
{
    qint64 sum = 0;
    for (const QRect &o : obstacles) {
        const QRect both = frame & o;
        sum += qint64(both.width()) * both.height();
    }
    return sum;
}

// The free place for `size` nearest to `wish`; nothing when none is free.
std::optional<QRect> nearestFree(QSize size, const QList<QRect> &obstacles, QRect area, QPoint wish)
{
    std::optional<QRect> best;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QPoint corner : candidates(size, obstacles, area, wish)) {
        const QRect frame(corner, size);
        if (covered(frame, obstacles) > 0 || distance(corner, wish) >= bestDistance)
            continue;
        best = frame;
        bestDistance = distance(corner, wish);
    }
    return best;
}

} // namespace

QRect keptInside(QRect frame, QRect area)
{
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.left() + area.width() - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.top() + area.height() - frame.height()));
    return frame;
}

InfoPlace placeInfoWindow(QRect mainFrame, const QList<QRect> &keepInView, QSize wanted, QRect area)
{
    QSize size = wanted.boundedTo(area.size()).expandedTo(QSize(1, 1));
    const QSize smallest = MinInfoSize.boundedTo(size);
    QList<QRect> keep;
    for (const QRect &r : keepInView)
        if (r.isValid() && r.intersects(area))
            keep << r;
    for (;;) {
        // Beside the main window, top edges level: right, else wherever is nearest.
        if (const auto beside = nearestFree(size, {mainFrame}, area, QPoint(mainFrame.right() + 1, mainFrame.top())))
            return {*beside};
        // Over the main window where it holds nothing to keep in view, near its top right.
        if (const auto over = nearestFree(size, keep, area, QPoint(mainFrame.right() + 1 - size.width(), mainFrame.top())))
            return {*over};
        if (size == smallest)
            break;
        size = QSize(std::max(smallest.width(), size.width() * 4 / 5), std::max(smallest.height(), size.height() * 4 / 5));
    }
    // No free place: the smallest window where it covers least.
    const QPoint wish(mainFrame.right() + 1 - size.width(), mainFrame.top());
    QRect best;
    qint64 least = std::numeric_limits<qint64>::max();
    for (const QPoint corner : candidates(size, keep, area, wish)) {
        const QRect frame(corner, size);
        const qint64 c = covered(frame, keep);
        if (c < least || (c == least && distance(corner, wish) < distance(best.topLeft(), wish))) {
            best = frame;
            least = c;
        }
    }
    return {best, false};
}

} // namespace haz
