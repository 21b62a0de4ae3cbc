#include "ui/ElementButton.h"

#include <QMouseEvent>
#include <QPainter>

ElementButton::ElementButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(caption);
    // A click takes the focus, as a click on any button does, so that a highlighted row of the
    // table loses its highlight when another button is clicked; the keyboard reaches the table
    // with Tab and moves in it with the arrow keys.
    setFocusPolicy(Qt::StrongFocus);
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

void ElementButton::setStateLetter(const QString &letter)
{
    if (letter == m_stateLetter)
        return;
    m_stateLetter = letter;
    update();
}

void ElementButton::setDimmed(bool dimmed)
{
    if (dimmed == m_dimmed)
        return;
    m_dimmed = dimmed;
    update();
}

void ElementButton::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    update();
}

void ElementButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    update();
}

void ElementButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    update();
    emit focusLost();
}

void ElementButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = rect();
    const bool sunken = isDown();
    const int w = std::max(1, face.width() / 30);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);

    if (m_dimmed) {
        // Empty: a faint outline and a faint symbol on whatever lies behind.
        painter.setPen(QColor(0, 0, 0, 70));
        painter.drawRect(face.adjusted(0, 0, -1, -1));
        painter.drawText(face, Qt::AlignCenter, text());
    } else {
        painter.fillRect(face, m_background);
        // A raised bevel, pressed in while the mouse holds the button.
        const QColor light = sunken ? m_background.darker(160) : m_background.lighter(150);
        const QColor dark = sunken ? m_background.lighter(150) : m_background.darker(180);
        painter.fillRect(0, 0, face.width(), w, light);
        painter.fillRect(0, 0, w, face.height(), light);
        painter.fillRect(0, face.height() - w, face.width(), w, dark);
        painter.fillRect(face.width() - w, 0, w, face.height(), dark);
        painter.setPen(Qt::black);
        painter.drawRect(face.adjusted(0, 0, -1, -1));
        // The dark end of a property's colour scale needs light letters to be read.
        painter.setPen(qGray(m_background.rgb()) < 110 ? Qt::white : Qt::black);
        painter.drawText(face.translated(sunken ? w : 0, sunken ? w : 0), Qt::AlignCenter, text());
        if (!m_stateLetter.isEmpty()) {
            QFont small = font;
            small.setPixelSize(std::max(1, face.height() / 4));
            painter.setFont(small);
            painter.drawText(face.adjusted(0, 0, -3 * w, -2 * w), Qt::AlignRight | Qt::AlignBottom,
                             m_stateLetter);
        }
    }
    if (m_marked) {
        const int frame = std::max(3, face.width() / 10);
        painter.setPen(QPen(Qt::black, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRectF(face).adjusted(frame / 2.0, frame / 2.0, -frame / 2.0, -frame / 2.0));
    }
    if (hasFocus()) {
        // Seen from the back of a classroom: a thick ring in a colour no state colour takes, with
        // a white edge inside so that it stands out on dark colours too.
        const int ring = std::max(3, face.width() / 9);
        painter.setPen(
            QPen(QColor(200, 0, 200), ring, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(face).adjusted(ring / 2.0, ring / 2.0, -ring / 2.0, -ring / 2.0));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(face.adjusted(ring, ring, -ring - 1, -ring - 1));
    }
}
