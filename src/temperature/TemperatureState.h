// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The window's temperature state, shared by the thermometer, the state colouring and the sweep.
struct TemperatureState
{
    // The thermometer reading in the current unit; written only through the text box txtT.
    qint16 temperature = 0;
    bool kelvinScale = true;
    // While false, the next refresh only re-arms: a change of unit rewrites the reading without
    // changing the physical temperature.
    bool statesArmed = false;
    // False while the mouse holds the bulb, so that the sweep's limits do not apply.
    bool thermometerIdle = true;
    qint16 sweepStep = 0;
    qint16 atomTicks = 0;
    qint16 pageTicks = 0;
};
