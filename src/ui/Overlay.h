// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

class ClickableLabel;
class DesignSurface;
class QFrame;
class QString;
class QWidget;

// The frames that open over the window (the sweep's settings, the number formats, the
// composition, the help) share one look: a raised panel with a dark title bar across its top,
// a click on which closes it.
namespace overlay {

struct Overlay
{
    QFrame *frame;
    // The caller connects its click and binds its text.
    ClickableLabel *title;
};

// Builds the panel at twips within parent and its title bar of titleHeight twips across the top.
Overlay build(DesignSurface *surface, QWidget *parent, const QString &frameName,
              const QString &titleName, const QRectF &twips, qreal titleHeight, qreal titlePoints);

// A framed sheet of the pale paper that data are read from, placed at twips on the surface.
QFrame *paper(DesignSurface *surface, const QString &name, const QRectF &twips);

} // namespace overlay
