// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPointF>
#include <QWidget>

class DesignSurface;

// One drawn piece of the thermometer: the glass tube, the mercury column or the bulb. They are
// drawn here rather than taken from pictures so that they stay crisp at any window size, and they
// report mouse presses in twips, the unit the thermometer's arithmetic works in.
class ThermometerPart : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Tube, Column, Bulb };

    ThermometerPart(Kind kind, DesignSurface *surface, QWidget *parent);

    static QColor mercuryColour();

signals:
    void pressed(Qt::MouseButton button, QPointF twips);
    void released(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintTube(QPainter &painter);
    void paintColumn(QPainter &painter);
    void paintBulb(QPainter &painter);

    Kind m_kind;
    DesignSurface *m_surface;
    // The part drawn once per size: every sweep tick moves the column and so repaints the tube
    // and the column below their old and new edges, and copying pixels is far cheaper than
    // drawing gradients and curves again ten times a second.
    QPixmap m_drawn;
};
