// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

// A bar filled left to right with the colours of a scale, for the legend of a coloured table.
class GradientBar : public QWidget
{
    Q_OBJECT

public:
    using ColourAt = std::function<QColor(double position)>;

    explicit GradientBar(ColourAt colourAt, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourAt m_colourAt;
};
