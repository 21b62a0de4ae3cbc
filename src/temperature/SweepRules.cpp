// SPDX-License-Identifier: GPL-3.0-or-later
#include "temperature/SweepRules.h"

#include "ui/NumberRule.h"

#include <cmath>

namespace sweep {

namespace {

// Counters stop at the top of their range: with a huge StepAtom the element simply never changes.
qint16 countUp(qint16 ticks)
{
    return ticks < 32767 ? qint16(ticks + 1) : ticks;
}

} // namespace

TemperatureTick temperatureTick(qint16 t, qint16 step, double start, double end, bool autoClose,
                                bool idle)
{
    TemperatureTick tick{t, step, false};
    if (autoClose) {
        if (end > 0 && t >= end)
            return {t, step, true};
        if (end <= 0 && t <= start && step < 0)
            return {t, step, true};
    }
    if (idle) {
        if (tick.temperature >= std::abs(end)) {
            tick.temperature = pse::clampToWhole16(std::abs(end));
            tick.sweepStep = pse::clampToWhole16(-double(step));
        } else if (tick.temperature <= start && step < 0) {
            tick.temperature = pse::clampToWhole16(start);
            tick.sweepStep = pse::clampToWhole16(std::abs(double(step)));
        }
    }
    tick.temperature = pse::clampToWhole16(double(tick.temperature) + tick.sweepStep);
    return tick;
}

AtomTick atomTick(qint16 atomTicks, qint16 pageTicks, double stepAtom, bool autoScroll)
{
    AtomTick tick{countUp(atomTicks), pageTicks, false, false};
    if (stepAtom * 5 <= tick.atomTicks) {
        tick.showNewElement = true;
        tick.atomTicks = 0;
    }
    if (autoScroll) {
        tick.pageTicks = countUp(pageTicks);
        if (stepAtom <= tick.pageTicks) {
            tick.pageDown = true;
            tick.pageTicks = 0;
        }
    }
    return tick;
}

} // namespace sweep
