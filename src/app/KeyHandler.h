// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class FrmPeriodni;
class InfoPanel;
class QKeyEvent;
class TableController;

// The window's keyboard handler: it sees every key pressed anywhere in the main window before the
// control with the focus does, acts on the function keys, Esc and the modified digit keys, and
// never takes the key away from that control. The table's keys (search letters, arrows, Enter, F9,
// F10) go to the table's controller.
class KeyHandler : public QObject
{
    Q_OBJECT

public:
    KeyHandler(FrmPeriodni &window, TableController &table, InfoPanel &info);

    // Returns whether the key was used up: a digit that typed a power or a root must not also
    // type itself into the control with the focus, nor an arrow that moved through the table
    // move anything else.
    bool Form_KeyDown(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The arrow keys among the element buttons, Enter to show one, the page keys; never while a
    // text box has the focus.
    bool classroomKey(const QKeyEvent &event);
    // While the quiz is open: its answer keys, Enter and the clicker's page keys.
    bool quizKey(const QKeyEvent &event);

    FrmPeriodni &m_window;
    TableController &m_table;
    InfoPanel &m_info;
    // A key a control ignores is offered to its parents, each time through this filter; it must
    // act once. The same event coming to the parent of the last receiver is that offer.
    const QEvent *m_lastEvent = nullptr;
    const QWidget *m_lastReceiver = nullptr;
};
