// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FittingComboBox.h"

#include "ui/FittingLabel.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

QRect FittingComboBox::textRoom() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

int FittingComboBox::fittedPixelSize(const QString &text) const
{
    return widthFittingPixelSize(font(), text, textRoom().width());
}

void FittingComboBox::showPopup()
{
    // Wide enough for every entry whatever the style's own rule for the list's width.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + view()->frameWidth() * 2 +
                            style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    QComboBox::showPopup();
}

void FittingComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    QFont font = this->font();
    font.setPixelSize(fittedPixelSize(option.currentText));
    painter.setFont(font);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
