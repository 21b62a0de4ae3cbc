// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KeyHandler.h"

#include "app/FrmPeriodni.h"
#include "app/InfoPanel.h"
#include "app/LessonTools.h"
#include "app/QuizPanel.h"
#include "calc/CalculatorPanel.h"
#include "table/TableController.h"
#include "ui/FullScreen.h"
#include "ui/KeyDigit.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Text boxes keep the arrow keys, Enter and the page keys for editing.
bool editsText(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget) ||
           qobject_cast<const QTextEdit *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget);
}

} // namespace

KeyHandler::KeyHandler(FrmPeriodni &window, TableController &table, InfoPanel &info)
    : QObject(&window)
    , m_window(window)
    , m_table(table)
    , m_info(info)
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

bool KeyHandler::classroomKey(const QKeyEvent &event)
{
    // The window's own focus widget: it is where keys go, also while the window is not the active
    // one.
    if (editsText(m_window.focusWidget()))
        return false;
    if (m_window.lessons().openQuiz())
        return quizKey(event);
    // Letters search the table; a capital is typed with Shift.
    if (!(event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) &&
        m_table.typeSearch(event.key() == Qt::Key_Backspace ? QStringLiteral("\b") : event.text()))
        return true;
    if (event.modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return m_table.moveFocus(Qt::Key(event.key()));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return m_table.chooseWithKeyboard();
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        // What a presentation clicker sends.
        m_info.turnPage(event.key() == Qt::Key_PageDown);
        return true;
    default:
        return false;
    }
}

bool KeyHandler::quizKey(const QKeyEvent &event)
{
    QuizPanel &quiz = *m_window.lessons().openQuiz();
    if (event.modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
        quiz.answerKey(event.key() - Qt::Key_0);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The answer to "Where is …?" is looked for from hydrogen on.
        if (!m_table.moveFocus(Qt::Key(event.key())))
            m_table.focusElement(1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return quiz.confirm() || m_table.chooseWithKeyboard();
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        // A clicker moves from answer to answer, and Enter gives the one it stands on.
        return quiz.moveAnswerFocus(event.key() == Qt::Key_PageDown);
    default:
        return false;
    }
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
        if (m_window.lessons().openQuiz()) {
            m_window.lessons().toggleQuiz();
            return true;
        }
        // Esc mostly clears a search; it does not build the calculator for an empty line.
        if (CalculatorPanel *calculator = m_window.builtCalculator())
            calculator->clearInput();
        m_table.clearSearch();
        return false;
    case Qt::Key_F9:
        if (event.modifiers() & Qt::ShiftModifier)
            m_window.lessons().toggleNarration();
        else
            m_table.toggleLetters();
        return true;
    case Qt::Key_F10:
        m_table.stepColouring(!(event.modifiers() & Qt::ShiftModifier));
        return true;
    case Qt::Key_F11:
        FullScreen::of(&m_window).toggle();
        return true;
    case Qt::Key_F12:
        m_window.lessons().toggleTimeline();
        return true;
    case Qt::Key_S:
        if (event.modifiers() != Qt::ControlModifier)
            break;
        m_window.exportPicture();
        return true;
    case Qt::Key_K:
        if (event.modifiers() != Qt::ControlModifier)
            break;
        m_window.lessons().toggleQuiz();
        return true;
    case Qt::Key_P:
        if (event.modifiers() != Qt::ControlModifier)
            break;
        m_window.calculator().showComposition();
        return true;
    default:
        break;
    }
    if (classroomKey(event))
        return true;
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
