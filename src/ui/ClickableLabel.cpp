// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ClickableLabel.h"

#include <QLineEdit>
#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void ClickableLabel::selectsAllOf(QLineEdit *box)
{
    connect(this, &ClickableLabel::clicked, box, [box] {
        box->selectAll();
        box->setFocus(Qt::OtherFocusReason);
    });
}
