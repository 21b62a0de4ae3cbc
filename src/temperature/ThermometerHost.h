#pragma once

// What the thermometer and the sweep ask of the window they sit in; the window implements it, tests
// use a fake.
class ThermometerHost
{
public:
    virtual ~ThermometerHost() = default;

    virtual void refreshStateColours() = 0;

protected:
    ThermometerHost() = default;
    ThermometerHost(const ThermometerHost &) = default;
    ThermometerHost &operator=(const ThermometerHost &) = default;
};
