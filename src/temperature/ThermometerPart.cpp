// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature/ThermometerPart.h"

#include "temperature/ThermometerScale.h"
#include "ui/DesignSurface.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

ThermometerPart::ThermometerPart(Kind kind, DesignSurface *surface, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_surface(surface)
{
    setCursor(Qt::PointingHandCursor);
}

QColor ThermometerPart::mercuryColour()
{
    return QColor(210, 20, 20);
}

void ThermometerPart::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    // The column's height changes by a pixel as it moves, its edges rounded apart; it is drawn
    // once at its greatest height and shown cut off.
    const bool fits = m_kind == Kind::Column ? m_drawn.width() == qRound(width() * ratio) &&
                                                   m_drawn.height() >= qRound(height() * ratio)
                                             : m_drawn.size() == size() * ratio;
    if (!fits || m_drawn.devicePixelRatio() != ratio) {
        m_drawn = QPixmap(size() * ratio);
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter painter(&m_drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        switch (m_kind) {
        case Kind::Tube:
            paintTube(painter);
            break;
        case Kind::Column:
            paintColumn(painter);
            break;
        case Kind::Bulb:
            paintBulb(painter);
            break;
        }
    }
    // The painter is clipped to what needs painting; the rest of the picture is not copied.
    QPainter(this).drawPixmap(0, 0, m_drawn);
}

void ThermometerPart::paintTube(QPainter &painter)
{
    // Glass: pale with a bright streak, so it reads as a tube and not as a white bar.
    const QRectF glass = QRectF(rect()).adjusted(0.5, 0.5, -0.5, 0.5);
    QLinearGradient shine(glass.topLeft(), glass.topRight());
    shine.setColorAt(0, QColor(205, 215, 225));
    shine.setColorAt(0.3, QColor(250, 252, 255));
    shine.setColorAt(1, QColor(190, 200, 212));
    const qreal radius = glass.width() / 2;
    QPainterPath path;
    path.moveTo(glass.left(), glass.bottom() + radius);
    path.lineTo(glass.left(), glass.top() + radius);
    path.arcTo(QRectF(glass.left(), glass.top(), glass.width(), 2 * radius), 180, -180);
    path.lineTo(glass.right(), glass.bottom() + radius);
    painter.setPen(QPen(QColor(90, 100, 115), 1));
    painter.setBrush(shine);
    painter.drawPath(path);

    // Minor ticks every 500 between the numbered marks, at the column's own scale.
    painter.setPen(QPen(QColor(60, 60, 70), 1));
    const qreal scale = m_surface->pixelsPerTwip();
    for (int t = 0; t <= 6000; t += 500) {
        const qreal y = thermometer::columnTop(t) * scale;
        const qreal length = t % 1000 == 0 ? glass.width() * 0.45 : glass.width() * 0.25;
        painter.drawLine(QPointF(glass.right() - length, y), QPointF(glass.right(), y));
    }
}

void ThermometerPart::paintColumn(QPainter &painter)
{
    QLinearGradient body(0, 0, width(), 0);
    body.setColorAt(0, mercuryColour().darker(150));
    body.setColorAt(0.35, mercuryColour().lighter(140));
    body.setColorAt(1, mercuryColour().darker(130));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    const qreal radius = width() / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0, 0, 0, radius), radius, radius);
}

void ThermometerPart::paintBulb(QPainter &painter)
{
    const qreal side = std::min(width(), height());
    const QRectF ball((width() - side) / 2 + 1, height() - side + 1, side - 2, side - 2);
    QRadialGradient body(ball.center() - QPointF(side / 6, side / 6), side / 1.6);
    body.setColorAt(0, mercuryColour().lighter(160));
    body.setColorAt(0.5, mercuryColour());
    body.setColorAt(1, mercuryColour().darker(170));
    painter.setPen(QPen(QColor(90, 100, 115), 1.2));
    painter.setBrush(body);
    painter.drawEllipse(ball);
}

void ThermometerPart::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    emit pressed(event->button(), QPointF(m_surface->toTwips(at.x()), m_surface->toTwips(at.y())));
}

void ThermometerPart::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->button());
}
