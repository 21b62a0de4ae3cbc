// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The largest pixel size, at most font's own, at which text is no wider than room.
int widthFittingPixelSize(QFont font, const QString &text, qreal room);

// A one-line label that shows its whole text, never cut off and never elided: a text wider than
// the label is drawn in smaller type until it fits. Element names run from "Bor" to
// "Rutherfordium"; the short ones keep the designed size.
class FittingLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The pixel size the text is drawn at, at most the label's font size.
    int fittedPixelSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
