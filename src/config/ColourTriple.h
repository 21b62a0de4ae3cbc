#pragma once

#include <QtGlobal>

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

    friend constexpr bool operator==(const ColourTriple &, const ColourTriple &) = default;
};

} // namespace pse
