// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The rules of one tick of each sweep timer, kept apart from the timers and widgets so that a whole
// sweep can be run and checked in a loop.
namespace sweep {

struct TemperatureTick
{
    qint16 temperature = 0;
    qint16 sweepStep = 0;
    bool endProgram = false;
};

// One tick of TimerTemp from the reading t with the current step. start and end are TempStart and
// TempEnd as numbers. The limits are tested before the step is added, so the reading may overshoot
// a limit by less than one step before it turns. While the bulb is held (idle false) only the end
// test applies. A step that would leave the 16-bit range stops at its end.
TemperatureTick temperatureTick(qint16 t, qint16 step, double start, double end, bool autoClose,
                                bool idle);

struct AtomTick
{
    qint16 atomTicks = 0;
    qint16 pageTicks = 0;
    bool showNewElement = false;
    bool pageDown = false;
};

// One tick of TimerAtom. stepAtom is StepAtom as a number: seconds per element, and ticks per page
// when autoScroll is set.
AtomTick atomTick(qint16 atomTicks, qint16 pageTicks, double stepAtom, bool autoScroll);

} // namespace sweep
