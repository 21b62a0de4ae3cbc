#pragma once

#include "FakeThermometerHost.h"
#include "temperature/SweepPanel.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerPanel.h"
#include "ui/DesignSurface.h"

#include <QLineEdit>

// The thermometer and its sweep on a bare surface at the design scale (15 twips per pixel), with a
// recording host in place of the main window.
struct ThermometerRig
{
    FakeThermometerHost host;
    DesignSurface surface;
    TemperatureState state;
    ThermometerPanel panel{&surface, state, host};
    SweepPanel sweep{&surface, state, host, panel};

    QLineEdit *box(const char *name) const
    {
        return surface.findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QLineEdit *txtT() const { return panel.temperatureBox(); }
};
