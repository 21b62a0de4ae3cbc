// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// A drop-down list whose closed face shows the whole of the chosen entry, in smaller type where the
// entry is wider than the face, and whose open list is as wide as its widest entry. The entries
// are the language's own words and may not be shortened; the face has the room it has.
class FittingComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    // The room the face has for an entry's text.
    QRect textRoom() const;
    // The pixel size the face shows `text` at, at most the box's font size.
    int fittedPixelSize(const QString &text) const;

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
