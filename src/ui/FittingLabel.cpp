// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FittingLabel.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

// Room kept free at each side, so that a fitted text never touches the label's edges.
qreal sideMargin(const QLabel &label)
{
    return std::max<qreal>(1, label.width() * 0.04);
}

} // namespace

int widthFittingPixelSize(QFont font, const QString &text, qreal room)
{
    const int designed =
        font.pixelSize() > 0 ? font.pixelSize() : QFontMetricsF(font).height() * 0.8;
    int size = std::max(1, designed);
    font.setPixelSize(size);
    const qreal wide = QFontMetricsF(font).horizontalAdvance(text);
    if (wide <= room || wide <= 0)
        return size;
    // Text width is nearly proportional to the pixel size; step down from the estimate until the
    // rounding of the glyph metrics agrees.
    size = std::max(1, int(std::floor(size * room / wide)));
    for (font.setPixelSize(size); size > 1; font.setPixelSize(--size)) {
        if (QFontMetricsF(font).horizontalAdvance(text) <= room)
            break;
    }
    return size;
}

int FittingLabel::fittedPixelSize() const
{
    return widthFittingPixelSize(font(), text(), width() - 2 * sideMargin(*this));
}

void FittingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font = this->font();
    font.setPixelSize(fittedPixelSize());
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), int(alignment()), text());
}
