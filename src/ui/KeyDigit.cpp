// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyDigit.h"

#include <QKeyEvent>

int digitRowKey(const QKeyEvent &event)
{
    if (event.modifiers() & Qt::KeypadModifier)
        return 0;
    if (event.key() >= Qt::Key_1 && event.key() <= Qt::Key_9)
        return event.key() - Qt::Key_0;
    // With Shift the digit row types other characters, and which ones depends on the keyboard
    // layout ("@" or '"' for 2); the key's place does not. Without Shift a key that is no digit
    // is none: AltGr with a digit types "^" or "~" on a Croatian keyboard. This is the one place
    // in the program that reads the platforms' own key codes.
    if (!(event.modifiers() & Qt::ShiftModifier))
        return 0;
#if defined(Q_OS_WIN)
    const quint32 virtualKey = event.nativeVirtualKey(); // VK_1..VK_9
    if (virtualKey >= 0x31 && virtualKey <= 0x39)
        return int(virtualKey - 0x30);
#elif defined(Q_OS_MACOS)
    constexpr quint32 ansiDigits[9] = {0x12, 0x13, 0x14, 0x15, 0x17, 0x16, 0x1A, 0x1C, 0x19};
    for (int i = 0; i < 9; ++i) {
        if (event.nativeVirtualKey() == ansiDigits[i])
            return i + 1;
    }
#else
    // X11 and Wayland report evdev key codes plus 8: the digit row's 1..9 are 10..18.
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode >= 10 && scanCode <= 18)
        return int(scanCode - 9);
#endif
    return 0;
}
