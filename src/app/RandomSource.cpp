// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RandomSource.h"

#include <chrono>

RandomSource::RandomSource()
    : m_engine(quint64(std::chrono::system_clock::now().time_since_epoch().count()))
{}

double RandomSource::next()
{
    return std::generate_canonical<double, 53>(m_engine);
}

int RandomSource::below(int count)
{
    const int value = int(next() * count);
    // generate_canonical may round up to 1.0 on some standard libraries.
    return value < count ? value : count - 1;
}
