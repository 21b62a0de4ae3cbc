// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// Colours of controls set through their palettes, the way every panel paints its captions and
// frames from the configured colours.
namespace colours {

// Text of a label or a box. Setting an unchanged colour costs nothing: no repaint is asked for.
inline void setText(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    if (palette.color(QPalette::WindowText) == colour && palette.color(QPalette::Text) == colour)
        return;
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// Background of a frame or a filled shape; the widget must fill its background to show it.
inline void setFill(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    if (palette.color(QPalette::Window) == colour)
        return;
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

inline QColor fill(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

inline QColor text(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

} // namespace colours
