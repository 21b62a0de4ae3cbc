// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pse {

// What the configuration procedures need from the main window. The main window implements it; the
// tests implement it with a recorder, so reading and saving can be checked without any widget.
class ConfigHost
{
public:
    virtual ~ConfigHost() = default;

    // Writes the start temperature into the temperature box, which moves the thermometer.
    virtual void setTemperatureText(const QString &text) = 0;
    // Writes the sweep step into the sweep panel's step box.
    virtual void setStepTempText(const QString &text) = 0;
    // Carries the Settings over to the window (ApplyConfig).
    virtual void applyConfig() = 0;
    // Asks for every element button to be repainted on the next colour refresh.
    virtual void setRepaintAllStates() = 0;
    // Shows a failure in a message box with an OK button and the program's title.
    virtual void showError(const QString &message) = 0;
};

} // namespace pse
