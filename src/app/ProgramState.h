// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RandomSource.h"
#include "config/Settings.h"
#include "temperature/PropertyTables.h"
#include "temperature/TemperatureState.h"

#include <QString>

// The program-wide values, all in one place. The main window owns the one instance for the whole
// run; panels get the parts they need by reference when they are built and report what they
// change through signals, so every value has exactly one owner and no copy that can drift.
struct ProgramState
{
    // The executable's folder, ending in a separator: the configuration file and relative
    // background pictures live there.
    QString programFolder;
    // Where the configuration file and relative background pictures live: the program folder
    // when it is writable (a portable copy), the user's configuration folder otherwise.
    QString configFolder;
    // "." or ",", as the system writes decimals; detected once at start-up.
    QChar decimalSeparator = u'.';
    // Set after new colours are saved: the next colour refresh repaints every button.
    bool repaintAllStates = false;
    // True while the calculator is open: an element click types its symbol there instead.
    bool calculatorMode = false;
    // Shared by the configuration reader (3 marks an abandoned read) and the dialog (0..2).
    qint16 colourEditMode = 0;
    // The configuration. Its Language field is the interface language itself: the reader sets
    // it, the flags change it and Save writes it, so there is no second copy of it.
    pse::Settings settings;
    TemperatureState temperature;
    PropertyTables tables;
    RandomSource random;

    int languageIndex() const { return settings.Language; }
};
