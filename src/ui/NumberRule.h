// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// The one way this program reads a number out of a text typed by a person (the configuration file,
// the temperature box, the sweep boxes): whatever the system's locale, "." is the decimal point,
// blanks are ignored, and a text without a number means 0 instead of an error.
namespace pse {

// The text's leading number: blanks and tabs anywhere are skipped, then an optional sign, digits
// with an optional "." and fraction, and an optional exponent; reading stops at the first other
// character. A text without a leading number gives 0.
double leadingNumber(QStringView text);

// Rounds to the nearest integer, halves to even; nothing when the result is outside -32768..32767.
std::optional<qint16> toWhole16(double value);

// As toWhole16, but a value outside the range is pinned to its nearer end.
qint16 clampToWhole16(double value);

// The decimal separator of the system's number format, "." or ",": the one numbers are shown with.
QChar systemDecimalSeparator();

} // namespace pse
