// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label that stands right after the text of another label, on its baseline and inside it, as a
// unit stands after its value: "7.874 g/cm³". It is a label of its own, so that the value keeps
// its text and a screen reader reads both. It follows the value's size and type by itself; a new
// value text needs a call to follow().
class TrailingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TrailingLabel(QLabel *value);

    void follow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QLabel *m_value;
};
