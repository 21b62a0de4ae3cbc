// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QStaticText>

// Everything an element button shows besides its caption. The table's buttons get all of it from
// the table's owner at once; the other buttons of this kind set only their colour.
struct ButtonLook
{
    QColor background{192, 192, 192};
    QColor text{Qt::black};
    // A letter in the corner that names the state without its colour; empty shows none.
    QString letter;
    // Shown empty, without its colour: not discovered yet, or not found by a search.
    bool dimmed = false;
    // Framed, as a search result.
    bool marked = false;
    // The thick ring of the keyboard focus.
    bool focusRing = false;
    // Not in the table at all: an element of the full table while the shorter one is in use.
    bool hidden = false;
    // A question mark instead of the symbol: the element a quiz asks about.
    bool captionHidden = false;

    bool operator==(const ButtonLook &) const = default;
};

// Black or white, whichever reads on `background`: the dark end of a property's colour scale needs
// light letters.
QColor readableTextOn(const QColor &background);

// A flat, square-cornered button whose whole face is its background colour, so that the state of
// matter reads from across a classroom. Painting it ourselves keeps a colour change cheap (no style
// sheet to re-polish) on a sweep that recolours buttons ten times a second.
class ElementButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ElementButton(const QString &caption, QWidget *parent = nullptr);

    const ButtonLook &look() const { return m_look; }
    // Repaints only when something changed: a sweep sets every look ten times a second.
    void setLook(const ButtonLook &look);
    QColor backgroundColour() const { return m_look.background; }
    // The colour, with the letters that read on it.
    void setBackgroundColour(const QColor &colour);
    // Off (the default), the focus ring follows the keyboard focus; on, only the look draws it,
    // for a button whose owner decides everything it shows.
    void setRingFromLook(bool fromLook) { m_ringFromLook = fromLook; }

    QSize sizeHint() const override;

signals:
    void rightClicked(const QPoint &globalPosition);
    void focusChanged(bool hasFocus);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    ButtonLook m_look;
    bool m_ringFromLook = false;
    // The caption laid out once: a switch of the table's colouring repaints every button, and
    // laying out 110 captions again each time costs more than all the rest of their painting.
    QStaticText m_caption;
    QFont m_captionFont;
};
