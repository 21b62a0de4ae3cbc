// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SelectingLineEdit.h"

#include <QTimer>

void SelectingLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    // A mouse press that brought the focus would clear the selection right after this.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
