#include "app/KeyHandler.h"

#include "app/FrmPeriodni.h"
#include "calc/CalculatorPanel.h"
#include "ui/KeyDigit.h"

#include <QApplication>
#include <QKeyEvent>

KeyHandler::KeyHandler(FrmPeriodni &window)
    : QObject(&window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

bool KeyHandler::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::KeyPress && widget && widget->window() == &m_window) {
        const bool offeredOn =
            event == m_lastEvent && m_lastReceiver && widget == m_lastReceiver->parentWidget();
        m_lastEvent = event;
        m_lastReceiver = widget;
        if (!offeredOn && Form_KeyDown(*static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool KeyHandler::Form_KeyDown(const QKeyEvent &event)
{
    const bool calculatorMode = m_window.state().calculatorMode;
    switch (event.key()) {
    case Qt::Key_F1:
        m_window.cmdIzbornik_Click(3);
        return false;
    case Qt::Key_F2:
        m_window.cmdIzbornik_Click(calculatorMode ? 1 : 0);
        return false;
    case Qt::Key_F3:
        m_window.cmdIzbornik_Click(2);
        return false;
    case Qt::Key_F4:
        if (calculatorMode)
            m_window.calculator().resultIntoInput();
        return false;
    case Qt::Key_F5:
        m_window.calculator().nextNumberMode();
        return false;
    case Qt::Key_F6:
        m_window.calculator().storeMemory();
        return false;
    case Qt::Key_F7:
        m_window.calculator().recallMemory();
        return false;
    case Qt::Key_F8:
        m_window.calculator().nextAngleUnit();
        return false;
    case Qt::Key_Escape:
        m_window.calculator().clearInput();
        return false;
    default:
        break;
    }
    const int digit = digitRowKey(event);
    if (digit == 0)
        return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool control = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    if ((shift && control) || alt)
        m_window.calculator().rootKey(digit);
    else if (control)
        m_window.calculator().powerKey(digit);
    else
        return false;
    return true;
}
