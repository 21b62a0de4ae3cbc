#include "ui/ElementButton.h"

#include <QMouseEvent>
#include <QPainter>

ElementButton::ElementButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(caption);
    // A click takes the focus, as a click on any button does, so that a highlighted row of the
    // table loses its highlight when another button is clicked.
    setFocusPolicy(Qt::ClickFocus);
}

void ElementButton::setBackgroundColour(const QColor &colour)
{
    // A sweep sets colours ten times a second; an unchanged one must not cost a repaint.
    if (colour == m_background)
        return;
    m_background = colour;
    update();
}

QSize ElementButton::sizeHint() const
{
    return {33, 37};
}

void ElementButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint())) {
        emit rightClicked(event->globalPosition().toPoint());
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void ElementButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    emit focusLost();
}

void ElementButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, m_background);

    // A raised bevel, pressed in while the mouse holds the button.
    const bool sunken = isDown();
    const QColor light = sunken ? m_background.darker(160) : m_background.lighter(150);
    const QColor dark = sunken ? m_background.lighter(150) : m_background.darker(180);
    const int w = std::max(1, face.width() / 30);
    painter.fillRect(0, 0, face.width(), w, light);
    painter.fillRect(0, 0, w, face.height(), light);
    painter.fillRect(0, face.height() - w, face.width(), w, dark);
    painter.fillRect(face.width() - w, 0, w, face.height(), dark);
    painter.setPen(Qt::black);
    painter.drawRect(face.adjusted(0, 0, -1, -1));

    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(face.translated(sunken ? w : 0, sunken ? w : 0), Qt::AlignCenter, text());
}
