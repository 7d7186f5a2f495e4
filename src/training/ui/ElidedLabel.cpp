#include "ElidedLabel.h"

#include <QPainter>
#include <QStyle>

namespace training {

void ElidedLabel::paintEvent(QPaintEvent *event)
{
    const QRect room = contentsRect();
    if (fontMetrics().horizontalAdvance(text()) <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

} // namespace training
