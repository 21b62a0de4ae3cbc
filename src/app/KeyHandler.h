#pragma once

#include <QObject>

class FrmPeriodni;
class QKeyEvent;

// The window's keyboard handler: it sees every key pressed anywhere in the main window before the
// control with the focus does, acts on the function keys, Esc and the modified digit keys, and
// never takes the key away from that control.
class KeyHandler : public QObject
{
    Q_OBJECT

public:
    explicit KeyHandler(FrmPeriodni &window);

    // Returns whether the key typed a power or a root: that key must not also type its digit
    // into the control with the focus.
    bool Form_KeyDown(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmPeriodni &m_window;
    // A key a control ignores is offered to its parents, each time through this filter; it must
    // act once. The same event coming to the parent of the last receiver is that offer.
    const QEvent *m_lastEvent = nullptr;
    const QWidget *m_lastReceiver = nullptr;
};
