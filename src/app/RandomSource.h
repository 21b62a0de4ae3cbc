// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <random>

// The program's one random generator: seeded once from the clock at start-up, or by a test.
class RandomSource
{
public:
    RandomSource();

    void seed(quint64 value) { m_engine.seed(value); }
    // Uniform in [0, 1).
    double next();
    // A whole number 0..count-1, as Int(r * count) would give.
    int below(int count);

private:
    std::mt19937_64 m_engine;
};
