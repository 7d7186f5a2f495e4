#include "TwipGeometry.h"

#include <QPushButton>
#include <QRect>
#include <QVariant>

namespace haz::twips {

namespace {
const char *const TwipsProperty = "_twipRect";
const char *const PixelsProperty = "_twipPixels";

int toPixels(qint32 value) { return twipsToPixels(value); }
} // namespace

void setGeometry(QWidget *widget, const TwipRect &rect)
{
    const QRect pixels(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height));
    widget->setGeometry(pixels);
    widget->setProperty(TwipsProperty, QRect(rect.left, rect.top, rect.width, rect.height));
    widget->setProperty(PixelsProperty, widget->geometry());
}

TwipRect geometry(const QWidget *widget)
{
    const QRect pixels = widget->geometry();
    // Twips stand only while nobody moved the widget by other means.
    if (widget->property(PixelsProperty).toRect() == pixels) {
        const QRect t = widget->property(TwipsProperty).toRect();
        return {t.x(), t.y(), t.width(), t.height()};
    }
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
            pixelsToTwips(pixels.height())};
}

void CopyPosProperties(const QWidget *source, QWidget *destination)
{
    if (!source || !destination)
        return;
    setGeometry(destination, geometry(source));
}

QPushButton *button(QWidget *parent, const QString &name, const TwipRect &rect, const QString &text)
{
    auto *b = place<QPushButton>(parent, name, rect);
    b->setText(text);
    return b;
}

} // namespace haz::twips
