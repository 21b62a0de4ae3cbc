#pragma once

#include <QObject>

class DesignSurface;
class QLineEdit;
class ThermometerHost;
struct TemperatureState;

// The thermometer beside the table. Every change of temperature, typed or set by any other part of
// the program, goes through the text box txtT.
class ThermometerPanel : public QObject
{
    Q_OBJECT

public:
    ThermometerPanel(DesignSurface *surface, TemperatureState &state, ThermometerHost &host,
                     QObject *parent = nullptr);

    QLineEdit *temperatureBox() const { return m_txtT; }
    // Writes a whole temperature into txtT, which runs its change handler.
    void setTemperatureText(const QString &text);

    void txtT_Change();

private:
    DesignSurface *m_surface;
    TemperatureState &m_state;
    ThermometerHost &m_host;
    QLineEdit *m_txtT;
};
