// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/Settings.h"
#include "temperature/SweepPanel.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerPanel.h"
#include "ui/DesignSurface.h"

#include <QLineEdit>

// The thermometer and its sweep on a bare surface at the design scale (15 twips per pixel), with
// their own settings in place of the window's.
struct ThermometerRig
{
    pse::Settings settings;
    DesignSurface surface;
    TemperatureState state;
    ThermometerPanel panel{&surface, state, settings};
    SweepPanel sweep{&surface, state, settings, panel};

    ThermometerRig()
    {
        surface.resize(DesignSurface::DesignWidth / 15, DesignSurface::DesignHeight / 15);
    }

    template <typename T = QWidget> T *find(const char *name) const
    {
        return surface.findChild<T *>(QString::fromLatin1(name));
    }
    QLineEdit *txtT() const { return panel.temperatureBox(); }
    QString reading() const { return txtT()->text(); }
};
