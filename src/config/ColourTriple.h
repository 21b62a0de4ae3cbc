// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

#include <algorithm>

namespace pse {

// One colour of the configuration file as the user wrote it. The components are kept as read
// rather than clamped to 0..255: what an out-of-range value looks like is decided where the colour
// is painted, not here.
struct ColourTriple
{
    qint16 r = 0;
    qint16 g = 0;
    qint16 b = 0;

    // The packed colour value R + 256 G + 65536 B that the configuration file's comments talk
    // about.
    constexpr int packed() const { return r + 256 * g + 65536 * b; }

    // The colour painted: a component outside 0..255 (possible in a hand-edited file) is taken
    // as the nearer end of the range.
    QColor colour() const
    {
        return QColor(std::clamp<int>(r, 0, 255), std::clamp<int>(g, 0, 255),
                      std::clamp<int>(b, 0, 255));
    }

    friend constexpr bool operator==(const ColourTriple &, const ColourTriple &) = default;
};

} // namespace pse
