#pragma once

namespace pse {
struct Settings;
}

// What the thermometer and the sweep ask of the window they sit in; the window implements it, tests
// use a fake.
class ThermometerHost
{
public:
    virtual ~ThermometerHost() = default;

    virtual void refreshStateColours() = 0;
    // Shows the element whose atomic number the panel shows once more, so that its temperatures
    // appear in the new unit. It never inserts a symbol into the calculator.
    virtual void showElementAgain() = 0;
    // The same as a click on element button index.
    virtual void showElement(int index) = 0;
    // The next page of the information panel.
    virtual void pageDown() = 0;
    // Ends the program at once, as the exit button does.
    virtual void endProgram() = 0;
    virtual pse::Settings &settingsRecord() = 0;
    // A whole number 0..count-1 from the program's one random generator.
    virtual int randomBelow(int count) = 0;

protected:
    ThermometerHost() = default;
    ThermometerHost(const ThermometerHost &) = default;
    ThermometerHost &operator=(const ThermometerHost &) = default;
};
