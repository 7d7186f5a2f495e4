#pragma once
// Control geometry in twips (15 per pixel), the unit of the main window's layout
// rules. A widget remembers the twips it was given, so that arithmetic on twips
// does not drift through pixel rounding.

#include "Twips.h"

#include <QString>
#include <QWidget>

class QPushButton;

namespace haz::twips {

void setGeometry(QWidget *widget, const TwipRect &rect);
TwipRect geometry(const QWidget *widget);

// Sets Height, Width, Top and Left of `destination` to those of `source`.
void CopyPosProperties(const QWidget *source, QWidget *destination);

// Makes a child control with its object name and design geometry.
template <class Widget>
Widget *place(QWidget *parent, const QString &name, const TwipRect &rect)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    setGeometry(widget, rect);
    return widget;
}

// A command button with its object name, design geometry and caption.
QPushButton *button(QWidget *parent, const QString &name, const TwipRect &rect, const QString &text);

} // namespace haz::twips
