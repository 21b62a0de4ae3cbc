// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The thermometer's arithmetic, in twips inside the tube that holds the mercury column. The scale
// is fixed (0 to 6000 whatever the unit), so these never look at the unit.
namespace thermometer {

// Height of the tube from its top down to the 0 mark, as the tube clicks read it.
constexpr double TubeScaleTwips = 3690;
// Where the column's top edge stands at 0, and how far it climbs from 0 to 5900.
constexpr double ColumnZeroTwips = 3745;
constexpr double ColumnSpanTwips = 3735;
constexpr double ColumnSpanDegrees = 5900;
constexpr double ColumnHeightTwips = 9000;
constexpr int MarkCount = 7;

// A click at y twips below the top of the empty tube.
int temperatureFromTube(double y);
// A click at y twips below the column's top edge, the edge itself standing at columnTop.
int temperatureFromColumn(double columnTop, double y);
// The temperature a scale mark stands for.
int temperatureFromMark(int index);
// The column's top edge for a temperature; the column keeps it in single precision.
float columnTop(int temperature);

// The step per 100 ms while the bulb is held: a tenth of StepTemp, downwards for the right button.
qint16 bulbStep(double stepTemp, bool rightButton);
// The step per 100 ms of the sweep: a tenth of StepTemp, with its sign.
qint16 sweepStep(double stepTemp);

} // namespace thermometer
