// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

class QPainter;

// A button whose picture the program draws itself at whatever size the button has, so that it
// stays crisp on a projector, at any window size and on a high-density screen. Its tooltip is also
// its accessible name, since the picture carries no text a screen reader could read.
class DrawnButton : public QAbstractButton
{
    Q_OBJECT

public:
    using Glyph = void (*)(QPainter &painter, const QRectF &box);
    // Plain draws the picture alone; Raised puts it on a bevelled face like a tool button.
    enum class Face { Plain, Raised };

    DrawnButton(Glyph glyph, Face face, QWidget *parent = nullptr);

    void setGlyph(Glyph glyph);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Glyph m_glyph;
    Face m_face;
};
