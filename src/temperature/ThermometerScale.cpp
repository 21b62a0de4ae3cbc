// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature/ThermometerScale.h"

#include "ui/NumberRule.h"

#include <cmath>
#include <cstdlib>

namespace thermometer {

int temperatureFromTube(double y)
{
    return pse::clampToWhole16(std::floor(6000 - y * 6000 / TubeScaleTwips));
}

int temperatureFromColumn(double top, double y)
{
    return pse::clampToWhole16(
        std::floor((ColumnSpanTwips - (top + y)) * ColumnSpanDegrees / ColumnSpanTwips));
}

int temperatureFromMark(int index)
{
    return 1000 * index;
}

float columnTop(int temperature)
{
    return float(ColumnZeroTwips - (ColumnSpanTwips / ColumnSpanDegrees) * temperature);
}

qint16 bulbStep(double stepTemp, bool rightButton)
{
    // StepTemp is first taken as a whole 16-bit number, then its tenth is rounded again.
    const int whole = std::abs(int(pse::clampToWhole16(stepTemp)));
    const qint16 step = pse::clampToWhole16(whole / 10.0);
    return rightButton ? qint16(-step) : step;
}

qint16 sweepStep(double stepTemp)
{
    return pse::clampToWhole16(stepTemp / 10);
}

} // namespace thermometer
