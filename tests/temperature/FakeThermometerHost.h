#pragma once

#include "config/Settings.h"
#include "temperature/ThermometerHost.h"

#include <QList>

// Records what the thermometer and the sweep ask of the window.
class FakeThermometerHost : public ThermometerHost
{
public:
    void refreshStateColours() override { ++refreshes; }
    void showElementAgain() override { ++reshows; }
    void showElement(int index) override { shownElements << index; }
    void pageDown() override { ++pages; }
    void endProgram() override { ++endRequests; }
    pse::Settings &settingsRecord() override { return settings; }
    int randomBelow(int count) override
    {
        randomRanges << count;
        return nextRandom++ % count;
    }

    pse::Settings settings;
    int refreshes = 0;
    int reshows = 0;
    int pages = 0;
    int endRequests = 0;
    QList<int> shownElements;
    QList<int> randomRanges;
    int nextRandom = 0;
};
