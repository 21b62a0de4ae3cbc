// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/ColourTriple.h"

#include <QString>
#include <QtGlobal>

namespace pse {

// Every value of the configuration file, one field per key and named exactly like the key, so a
// line of the file, a field here and the README's table can be matched by eye. A
// default-constructed record holds the defaults.
struct Settings
{
    qint16 AutoStart = 0;
    qint16 AutoClose = 0;
    qint16 AutoScroll = 0;
    // The sweep values travel as text between the file, the sweep boxes and the timers, so they are
    // kept as text; whatever reads them applies the number rule.
    QString TempStart = QStringLiteral("0");
    QString TempEnd = QStringLiteral("6000");
    QString StepTemp = QStringLiteral("100");
    QString StepAtom = QStringLiteral("5");
    qint16 Language = 0;
    // "up", "dn" or a number, one per component of the background gradient.
    QString R_Color = QStringLiteral("192");
    QString G_Color = QStringLiteral("192");
    QString B_Color = QStringLiteral("192");
    // Empty, or anything without a ".", means no background picture.
    QString Background;
    ColourTriple RGBPlinovito{143, 188, 143};
    ColourTriple RGBTekuce{255, 126, 0};
    ColourTriple RGBKruto{128, 176, 255};
    ColourTriple RGBNepoznato{192, 192, 192};
    ColourTriple RGBLantanoidi{255, 255, 0};
    ColourTriple RGBSkupine{255, 255, 255};
    ColourTriple RGBLegenda{0, 0, 0};
    // Beyond the original keys, written after them.
    // 109 shows the table to meitnerium, 118 the full table to oganesson.
    qint16 Elements = 109;
    // 1 names what melts, boils, condenses and freezes while the temperature moves (Shift+F9).
    qint16 Narration = 0;

    friend bool operator==(const Settings &, const Settings &) = default;
};

} // namespace pse
