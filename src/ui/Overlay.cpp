// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Overlay.h"

#include "ui/ClickableLabel.h"
#include "ui/Colours.h"
#include "ui/DesignSurface.h"

#include <QFrame>

namespace overlay {

Overlay build(DesignSurface *surface, QWidget *parent, const QString &frameName,
              const QString &titleName, const QRectF &twips, qreal titleHeight, qreal titlePoints)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(frameName);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    surface->place(frame, twips, 0);

    auto *title = new ClickableLabel(frame);
    title->setObjectName(titleName);
    title->setAlignment(Qt::AlignCenter);
    title->setAutoFillBackground(true);
    QPalette palette = title->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    palette.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(palette);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    // Inside the panel's raised edge.
    surface->place(title, QRectF(45, 45, twips.width() - 90, titleHeight), titlePoints);
    return {frame, title};
}

QFrame *paper(DesignSurface *surface, const QString &name, const QRectF &twips)
{
    auto *sheet = new QFrame(surface);
    sheet->setObjectName(name);
    sheet->setFrameShape(QFrame::Box);
    sheet->setAutoFillBackground(true);
    colours::setFill(sheet, QColor(255, 255, 240));
    surface->place(sheet, twips, 0);
    return sheet;
}

} // namespace overlay
