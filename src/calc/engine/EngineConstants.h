// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pse::engineConstants {

// The calculator has always worked with these 15-digit values; the snaps of the trigonometric
// functions are tuned to them, so they are not replaced by the full-precision constants.
inline constexpr double pi = 3.14159265358979;
inline constexpr double e = 2.71828182845905;
inline constexpr double snapTolerance = 1e-13;
inline constexpr double factorialLimit = 170.0;

} // namespace pse::engineConstants
