// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QLineEdit;

// A label that reacts to a click the way a button does: the primary mouse button pressed and
// released over it. Other buttons do nothing, so a stray right click on a caption never acts.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

    // Makes this the caption of a text box: a click selects the box's whole text, ready to be
    // typed over, and gives it the focus.
    void selectsAllOf(QLineEdit *box);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
