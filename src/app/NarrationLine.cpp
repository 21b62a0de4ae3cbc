// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NarrationLine.h"

#include "ui/Colours.h"
#include "ui/DesignSurface.h"
#include "ui/FittingLabel.h"

#include <QTimer>

NarrationLine::NarrationLine(DesignSurface *surface, QObject *parent)
    : QObject(parent)
    , m_label(new FittingLabel(surface))
    , m_timer(new QTimer(this))
{
    m_label->setObjectName(QStringLiteral("narrationLabel"));
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    // Under period 7, right of the lanthanides' caption and above their row.
    surface->place(m_label, QRect(3200, 4405, 5790, 320), 9.75);
    m_label->hide();
    m_timer->setSingleShot(true);
    m_timer->setInterval(ShownMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &NarrationLine::clear);
}

void NarrationLine::show(const QString &text)
{
    m_label->setText(text);
    m_label->setAccessibleName(text);
    m_label->show();
    m_timer->start();
}

void NarrationLine::clear()
{
    m_timer->stop();
    m_label->clear();
    m_label->hide();
}

void NarrationLine::setTextColour(const QColor &colour)
{
    colours::setText(m_label, colour);
}
