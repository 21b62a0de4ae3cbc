// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Glyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace glyph {

namespace {

// The largest square centred in box.
QRectF square(const QRectF &box)
{
    const qreal side = std::min(box.width(), box.height());
    return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
}

// A flag keeps its proportions (width : height) and is centred in box.
QRectF flagArea(const QRectF &box, qreal proportion)
{
    qreal w = box.width();
    qreal h = w / proportion;
    if (h > box.height()) {
        h = box.height();
        w = h * proportion;
    }
    return QRectF(box.center().x() - w / 2, box.center().y() - h / 2, w, h);
}

void centredText(QPainter &painter, const QRectF &box, const QString &text, qreal heightShare,
                 const QColor &colour, bool bold = true)
{
    QFont font = painter.font();
    font.setBold(bold);
    font.setPixelSize(std::max(1, int(std::lround(box.height() * heightShare))));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

// A white letter on a coloured disc with a darker rim.
void letterDisc(QPainter &painter, const QRectF &box, const QString &letter, const QColor &fill,
                const QColor &rim)
{
    const QRectF disc = square(box).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(rim, std::max<qreal>(1, disc.width() / 20)));
    painter.setBrush(fill);
    painter.drawEllipse(disc);
    centredText(painter, disc, letter, 0.7, Qt::white);
}

void stripes(QPainter &painter, const QRectF &area, Qt::Orientation direction,
             const std::array<QColor, 3> &colours)
{
    for (int i = 0; i < 3; ++i) {
        const QRectF band = direction == Qt::Horizontal
                                ? QRectF(area.left(), area.top() + area.height() * i / 3,
                                         area.width(), area.height() / 3)
                                : QRectF(area.left() + area.width() * i / 3, area.top(),
                                         area.width() / 3, area.height());
        // Bands overlap by a hair so that no background line shows between them.
        painter.fillRect(band.adjusted(0, 0, 0.5, 0.5), colours[i]);
    }
}

void outline(QPainter &painter, const QRectF &area)
{
    painter.setPen(QPen(QColor(60, 60, 60), std::max<qreal>(1, area.height() / 40)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}

} // namespace

void exit(QPainter &painter, const QRectF &box)
{
    const QRectF disc = square(box).adjusted(1, 1, -1, -1);
    const qreal side = disc.width();
    painter.setPen(QPen(QColor(90, 0, 0), std::max<qreal>(1, side / 20)));
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(disc);
    painter.setPen(QPen(Qt::white, side / 8, Qt::SolidLine, Qt::RoundCap));
    const qreal inset = side * 0.3;
    const QRectF cross = disc.adjusted(inset, inset, -inset, -inset);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void sliders(QPainter &painter, const QRectF &box)
{
    const QRectF area = square(box);
    const qreal unit = area.width() / 48;
    const std::array<qreal, 3> knobs = {30, 14, 24};
    for (int i = 0; i < 3; ++i) {
        const qreal y = area.top() + unit * (10 + 14 * i);
        painter.setPen(QPen(QColor(40, 40, 40), 3 * unit, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(area.left() + 6 * unit, y), QPointF(area.left() + 42 * unit, y));
        painter.setPen(QPen(QColor(40, 40, 40), 2 * unit));
        painter.setBrush(QColor(230, 70, 40));
        painter.drawEllipse(QPointF(area.left() + knobs[i] * unit, y), 5 * unit, 5 * unit);
    }
}

void calculator(QPainter &painter, const QRectF &box)
{
    const QRectF area = square(box);
    const qreal u = area.width() / 20;
    const QRectF body(area.left() + 3 * u, area.top() + u, 14 * u, 18 * u);
    painter.setPen(QPen(QColor(30, 30, 30), u * 0.6));
    painter.setBrush(QColor(70, 75, 85));
    painter.drawRoundedRect(body, 1.5 * u, 1.5 * u);
    painter.setBrush(QColor(190, 230, 180));
    painter.drawRect(QRectF(body.left() + 1.5 * u, body.top() + 1.5 * u, 11 * u, 4 * u));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(row == 2 && column == 2 ? QColor(240, 150, 40)
                                                     : QColor(235, 235, 235));
            painter.drawRect(QRectF(body.left() + (1.5 + 4 * column) * u,
                                    body.top() + (7 + 3.5 * row) * u, 3 * u, 2.5 * u));
        }
    }
}

void elementTile(QPainter &painter, const QRectF &box)
{
    const QRectF area = square(box).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(20, 20, 20), std::max<qreal>(1, area.width() / 24)));
    painter.setBrush(QColor(128, 176, 255));
    painter.drawRect(area);
    const qreal u = area.height();
    centredText(painter, QRectF(area.left() + u * 0.08, area.top() + u * 0.04, u * 0.5, u * 0.28),
                QStringLiteral("26"), 0.9, Qt::black, false);
    centredText(painter, area.adjusted(0, u * 0.12, 0, -u * 0.05), QStringLiteral("Fe"), 0.5,
                Qt::black);
}

void gear(QPainter &painter, const QRectF &box)
{
    const QRectF area = square(box);
    const QPointF centre = area.center();
    const qreal outer = area.width() * 0.46;
    const qreal inner = area.width() * 0.34;
    const int teeth = 8;
    QPainterPath path;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: two points on the outer circle, then two on the inner one.
        const qreal angle = (i - 0.5) * std::numbers::pi / (teeth * 2);
        const qreal radius = (i % 4 < 2) ? outer : inner;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    path.addEllipse(centre, area.width() * 0.13, area.width() * 0.13);
    painter.setPen(QPen(QColor(40, 40, 40), std::max<qreal>(1, area.width() / 40)));
    painter.setBrush(QColor(120, 130, 145));
    painter.drawPath(path);
}

void help(QPainter &painter, const QRectF &box)
{
    letterDisc(painter, box, QStringLiteral("?"), QColor(60, 150, 60), QColor(20, 60, 20));
}

void info(QPainter &painter, const QRectF &box)
{
    letterDisc(painter, box, QStringLiteral("i"), QColor(40, 90, 200), QColor(10, 30, 90));
}

void link(QPainter &painter, const QRectF &box)
{
    // Two chain links, crossed.
    const QRectF area = square(box);
    const qreal u = area.width() / 10;
    painter.setPen(QPen(QColor(30, 60, 160), 1.3 * u, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.save();
    painter.translate(area.center());
    painter.rotate(-45);
    painter.drawRoundedRect(QRectF(-4.2 * u, -1.5 * u, 5 * u, 3 * u), 1.5 * u, 1.5 * u);
    painter.drawRoundedRect(QRectF(-0.8 * u, -1.5 * u, 5 * u, 3 * u), 1.5 * u, 1.5 * u);
    painter.restore();
}

void play(QPainter &painter, const QRectF &box)
{
    const QRectF a = square(box).adjusted(box.width() / 6, box.width() / 6, 0, -box.width() / 6);
    const QPointF points[] = {a.topLeft(), QPointF(a.right(), a.center().y()), a.bottomLeft()};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 120, 40));
    painter.drawPolygon(points, 3);
}

void pause(QPainter &painter, const QRectF &box)
{
    const QRectF a =
        square(box).adjusted(box.width() / 5, box.width() / 5, -box.width() / 5, -box.width() / 5);
    painter.fillRect(QRectF(a.left(), a.top(), a.width() / 3, a.height()), QColor(30, 120, 40));
    painter.fillRect(QRectF(a.right() - a.width() / 3, a.top(), a.width() / 3, a.height()),
                     QColor(30, 120, 40));
}

void clock(QPainter &painter, const QRectF &box)
{
    const QRectF dial = square(box).adjusted(2, 2, -2, -2);
    const qreal u = dial.width() / 12;
    painter.setPen(QPen(QColor(40, 40, 40), u));
    painter.setBrush(QColor(250, 245, 225));
    painter.drawEllipse(dial);
    painter.setPen(QPen(QColor(40, 40, 40), u, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = dial.center();
    painter.drawLine(c, QPointF(c.x(), dial.top() + 2 * u));
    painter.drawLine(c, QPointF(dial.right() - 3 * u, c.y()));
    // An arrow round the dial: time running back.
    painter.setPen(QPen(QColor(200, 40, 40), u, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(dial.adjusted(-u, -u, u, u), 100 * 16, 120 * 16);
}

void picture(QPainter &painter, const QRectF &box)
{
    const QRectF a = square(box).adjusted(box.width() / 10, box.width() / 5, -box.width() / 10,
                                          -box.width() / 5);
    const qreal u = a.width() / 12;
    painter.setPen(QPen(QColor(40, 40, 40), u * 0.8));
    painter.setBrush(QColor(200, 230, 255));
    painter.drawRect(a);
    // Mountains and a sun: a picture.
    const QPointF hills[] = {QPointF(a.left(), a.bottom()),
                             QPointF(a.left() + 4 * u, a.top() + 3 * u),
                             QPointF(a.left() + 7 * u, a.bottom() - 2 * u),
                             QPointF(a.left() + 9 * u, a.top() + 4 * u), a.bottomRight()};
    painter.setBrush(QColor(60, 150, 70));
    painter.drawPolygon(hills, 5);
    painter.setBrush(QColor(250, 200, 40));
    painter.drawEllipse(QPointF(a.right() - 2.5 * u, a.top() + 2.5 * u), 1.5 * u, 1.5 * u);
}

void quiz(QPainter &painter, const QRectF &box)
{
    // A sheet of three answers, the middle one ticked.
    const QRectF a = square(box).adjusted(box.width() / 6, box.width() / 10, -box.width() / 6,
                                          -box.width() / 10);
    const qreal u = a.width() / 10;
    painter.setPen(QPen(QColor(40, 40, 40), u * 0.6));
    painter.setBrush(QColor(255, 255, 250));
    painter.drawRect(a);
    for (int i = 0; i < 3; ++i) {
        const qreal y = a.top() + (2.5 + 3 * i) * u;
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(a.left() + u, y - u, 2 * u, 2 * u));
        painter.drawLine(QPointF(a.left() + 4 * u, y), QPointF(a.right() - u, y));
    }
    painter.setPen(QPen(QColor(30, 140, 50), u * 1.1, Qt::SolidLine, Qt::RoundCap));
    const qreal y = a.top() + 5.5 * u;
    painter.drawPolyline(
        QPolygonF({QPointF(a.left() + 0.8 * u, y), QPointF(a.left() + 1.9 * u, y + u),
                   QPointF(a.left() + 3.6 * u, y - 1.6 * u)}));
}

void flagCroatia(QPainter &painter, const QRectF &box)
{
    const QRectF area = flagArea(box, 2.0);
    stripes(painter, area, Qt::Horizontal,
            {QColor(255, 0, 0), QColor(255, 255, 255), QColor(23, 23, 150)});
    // The chequered shield in the middle: five by five, red first, with a rounded foot.
    const qreal side = area.height() * 0.5;
    const QRectF shield(area.center().x() - side / 2, area.top() + area.height() * 0.24, side,
                        side * 1.15);
    QPainterPath outlinePath;
    outlinePath.moveTo(shield.topLeft());
    outlinePath.lineTo(shield.topRight());
    outlinePath.lineTo(shield.right(), shield.top() + side * 0.7);
    outlinePath.quadTo(shield.right(), shield.bottom(), shield.center().x(), shield.bottom());
    outlinePath.quadTo(shield.left(), shield.bottom(), shield.left(), shield.top() + side * 0.7);
    outlinePath.closeSubpath();
    painter.save();
    painter.setClipPath(outlinePath);
    painter.fillPath(outlinePath, Qt::white);
    const qreal check = side / 5;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 5; ++column) {
            if ((row + column) % 2 == 0)
                painter.fillRect(QRectF(shield.left() + column * check, shield.top() + row * check,
                                        check + 0.3, check + 0.3),
                                 QColor(255, 0, 0));
        }
    }
    painter.restore();
    painter.setPen(QPen(QColor(23, 23, 150), std::max<qreal>(0.6, area.height() / 60)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outlinePath);
    outline(painter, area);
}

void flagUnitedKingdom(QPainter &painter, const QRectF &box)
{
    const QRectF area = flagArea(box, 2.0);
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, blue);
    const qreal h = area.height();
    painter.setPen(QPen(Qt::white, h * 0.2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
    painter.setPen(QPen(red, h * 0.067, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
    const QPointF c = area.center();
    painter.fillRect(QRectF(area.left(), c.y() - h / 6, area.width(), h / 3), Qt::white);
    painter.fillRect(QRectF(c.x() - h / 6, area.top(), h / 3, h), Qt::white);
    painter.fillRect(QRectF(area.left(), c.y() - h / 10, area.width(), h / 5), red);
    painter.fillRect(QRectF(c.x() - h / 10, area.top(), h / 5, h), red);
    painter.restore();
    outline(painter, area);
}

void flagGermany(QPainter &painter, const QRectF &box)
{
    const QRectF area = flagArea(box, 5.0 / 3.0);
    stripes(painter, area, Qt::Horizontal,
            {QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)});
    outline(painter, area);
}

void flagFrance(QPainter &painter, const QRectF &box)
{
    const QRectF area = flagArea(box, 1.5);
    stripes(painter, area, Qt::Vertical,
            {QColor(0, 35, 149), QColor(255, 255, 255), QColor(237, 41, 57)});
    outline(painter, area);
}

void flagItaly(QPainter &painter, const QRectF &box)
{
    const QRectF area = flagArea(box, 1.5);
    stripes(painter, area, Qt::Vertical,
            {QColor(0, 146, 70), QColor(255, 255, 255), QColor(206, 43, 55)});
    outline(painter, area);
}

} // namespace glyph
