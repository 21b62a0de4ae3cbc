// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawnButton.h"

#include <QEvent>
#include <QPainter>

DrawnButton::DrawnButton(Glyph glyph, Face face, QWidget *parent)
    : QAbstractButton(parent)
    , m_glyph(glyph)
    , m_face(face)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void DrawnButton::setGlyph(Glyph glyph)
{
    m_glyph = glyph;
    update();
}

bool DrawnButton::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        setAccessibleName(toolTip().trimmed());
    return QAbstractButton::event(event);
}

void DrawnButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool down = isDown();
    if (m_face == Face::Raised) {
        const QColor face = palette().color(QPalette::Button);
        const qreal bevel = std::max<qreal>(1, width() / 24.0);
        painter.setPen(QPen(down ? face.darker(150) : face.lighter(130), bevel));
        painter.setBrush(underMouse() ? face.lighter(108) : face);
        painter.drawRoundedRect(box, bevel * 2, bevel * 2);
        box.adjust(bevel * 3, bevel * 3, -bevel * 3, -bevel * 3);
    } else if (underMouse() || down) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, down ? 110 : 70));
        painter.drawRoundedRect(box, box.width() / 8, box.height() / 8);
    }
    if (down)
        box.translate(box.width() / 40, box.height() / 40);
    if (m_glyph)
        m_glyph(painter, box);
}
