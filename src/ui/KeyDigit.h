// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

// The digit 1..9 of the main keyboard's digit row that a key press is on, also when Shift turns
// it into another character; 0 for any other key, the keypad's digits included.
int digitRowKey(const QKeyEvent &event);
