#pragma once

#include <QLabel>

// A label that reacts to a click the way a button does: the primary mouse button pressed and
// released over it. Other buttons do nothing, so a stray right click on a caption never acts.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
