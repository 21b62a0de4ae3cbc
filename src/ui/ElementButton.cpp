// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ElementButton.h"

#include <QMouseEvent>
#include <QPainter>

QColor readableTextOn(const QColor &background)
{
    return qGray(background.rgb()) < 110 ? QColor(Qt::white) : QColor(Qt::black);
}

ElementButton::ElementButton(const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(caption);
    // A click takes the focus, as a click on any button does, so that a highlighted row of the
    // table loses its highlight when another button is clicked; the keyboard reaches the table
    // with Tab and moves in it with the arrow keys.
    setFocusPolicy(Qt::StrongFocus);
}

void ElementButton::setLook(const ButtonLook &look)
{
    if (look == m_look)
        return;
    const bool shownChanged = look.hidden != m_look.hidden;
    m_look = look;
    if (shownChanged)
        setVisible(!look.hidden);
    update();
}

void ElementButton::setBackgroundColour(const QColor &colour)
{
    ButtonLook look = m_look;
    look.background = colour;
    look.text = readableTextOn(colour);
    setLook(look);
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

void ElementButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    update();
    emit focusChanged(true);
}

void ElementButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    update();
    emit focusChanged(false);
}

void ElementButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = rect();
    const bool sunken = isDown();
    // The bevel follows the shorter side, so that a wide answer button of the quiz is no heavier
    // than a square element button.
    const int w = std::max(1, std::min(face.width(), face.height()) / 30);
    QFont font = this->font();
    font.setBold(true);
    const QString caption = m_look.captionHidden ? QStringLiteral("?") : text();
    if (m_captionFont != font || m_caption.text() != caption) {
        m_captionFont = font;
        m_caption.setText(caption);
        m_caption.setTextFormat(Qt::PlainText);
        m_caption.prepare(QTransform(), font);
    }
    painter.setFont(font);
    const QSizeF captionSize = m_caption.size();
    const QPointF captionAt((face.width() - captionSize.width()) / 2,
                            (face.height() - captionSize.height()) / 2);
    const QColor &background = m_look.background;
    // Lines of one pixel, filled rather than stroked: a stroke costs more than the whole face.
    const auto outline = [&painter](const QRect &r, const QColor &colour) {
        painter.fillRect(r.left(), r.top(), r.width(), 1, colour);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, colour);
        painter.fillRect(r.left(), r.top(), 1, r.height(), colour);
        painter.fillRect(r.right(), r.top(), 1, r.height(), colour);
    };

    if (m_look.dimmed) {
        // Empty: a faint outline and a faint symbol on whatever lies behind.
        outline(face, QColor(0, 0, 0, 70));
        painter.setPen(QColor(0, 0, 0, 70));
        painter.drawStaticText(captionAt, m_caption);
    } else {
        painter.fillRect(face, background);
        // A raised bevel, pressed in while the mouse holds the button.
        const QColor light = sunken ? background.darker(160) : background.lighter(150);
        const QColor dark = sunken ? background.lighter(150) : background.darker(180);
        painter.fillRect(0, 0, face.width(), w, light);
        painter.fillRect(0, 0, w, face.height(), light);
        painter.fillRect(0, face.height() - w, face.width(), w, dark);
        painter.fillRect(face.width() - w, 0, w, face.height(), dark);
        outline(face, Qt::black);
        painter.setPen(m_look.text);
        painter.drawStaticText(captionAt + (sunken ? QPointF(w, w) : QPointF()), m_caption);
        if (!m_look.letter.isEmpty()) {
            QFont small = font;
            small.setPixelSize(std::max(1, face.height() / 4));
            painter.setFont(small);
            painter.drawText(face.adjusted(0, 0, -3 * w, -2 * w), Qt::AlignRight | Qt::AlignBottom,
                             m_look.letter);
        }
    }
    if (m_look.marked) {
        const int frame = std::max(3, face.width() / 10);
        painter.setPen(QPen(Qt::black, frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            QRectF(face).adjusted(frame / 2.0, frame / 2.0, -frame / 2.0, -frame / 2.0));
    }
    if (m_ringFromLook ? m_look.focusRing : hasFocus()) {
        // Seen from the back of a classroom: a thick ring in a colour no state colour takes, with
        // a white edge inside so that it stands out on dark colours too.
        const int ring = std::max(3, face.width() / 9);
        painter.setPen(
            QPen(QColor(200, 0, 200), ring, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(face).adjusted(ring / 2.0, ring / 2.0, -ring / 2.0, -ring / 2.0));
        outline(face.adjusted(ring, ring, -ring, -ring), Qt::white);
    }
}
