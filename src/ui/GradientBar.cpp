// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GradientBar.h"

#include <QLinearGradient>
#include <QPainter>

GradientBar::GradientBar(ColourAt colourAt, QWidget *parent)
    : QWidget(parent)
    , m_colourAt(std::move(colourAt))
{}

void GradientBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    for (int i = 0; i <= 16; ++i)
        gradient.setColorAt(i / 16.0, m_colourAt(i / 16.0));
    painter.fillRect(rect(), gradient);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
