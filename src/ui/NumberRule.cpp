// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberRule.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace pse {

double leadingNumber(QStringView text)
{
    // Blanks are dropped before parsing, so "1 234" reads as 1234 and " - 5" as -5.
    std::string compact;
    compact.reserve(std::min<qsizetype>(text.size(), 64));
    for (QChar c : text) {
        if (c == u' ' || c == u'\t')
            continue;
        if (c.unicode() > 0x7f)
            break;
        compact.push_back(char(c.unicode()));
        // Nothing longer than this can still be part of one number's mantissa and exponent that
        // a double distinguishes; capping keeps a 10 MB line from being copied.
        if (compact.size() > 400)
            break;
    }

    std::size_t i = 0;
    const auto digitAt = [&](std::size_t k) {
        return k < compact.size() && compact[k] >= '0' && compact[k] <= '9';
    };
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        ++i;
    const std::size_t mantissaStart = i;
    while (digitAt(i))
        ++i;
    bool anyDigit = i > mantissaStart;
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        const std::size_t fractionStart = i;
        while (digitAt(i))
            ++i;
        anyDigit = anyDigit || i > fractionStart;
    }
    if (!anyDigit)
        return 0.0;
    std::size_t end = i;
    bool negativeExponent = false;
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        std::size_t k = i + 1;
        negativeExponent = k < compact.size() && compact[k] == '-';
        if (k < compact.size() && (compact[k] == '+' || compact[k] == '-'))
            ++k;
        if (digitAt(k)) {
            while (digitAt(k))
                ++k;
            end = k;
        } else {
            negativeExponent = false;
        }
    }
    // from_chars reads "." whatever the C library's locale says: under a Croatian locale strtod
    // would stop at the "." and read "20.6" as 20.
    double value = 0;
    const char *first = compact.data() + (compact[0] == '+' ? 1 : 0);
    if (std::from_chars(first, compact.data() + end, value).ec == std::errc::result_out_of_range) {
        // Too large a magnitude is the largest double of its sign; too small a one is zero.
        const double magnitude = negativeExponent ? 0.0 : std::numeric_limits<double>::max();
        return compact[0] == '-' ? -magnitude : magnitude;
    }
    return value;
}

std::optional<qint16> toWhole16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode is halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

qint16 clampToWhole16(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= -32768.0)
        return -32768;
    if (value >= 32767.0)
        return 32767;
    return static_cast<qint16>(std::nearbyint(value));
}

QChar systemDecimalSeparator()
{
    return QLocale::system().toString(0.5f).contains(u'.') ? u'.' : u',';
}

} // namespace pse
