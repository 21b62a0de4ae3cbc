#pragma once

#include "app/RandomSource.h"
#include "config/Settings.h"
#include "temperature/PropertyTables.h"
#include "temperature/StatePainter.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerHost.h"

#include <QMainWindow>

class DesignSurface;
class DesktopSeam;
class ElementGrid;
class InfoPanel;
class QToolButton;
class ThermometerPanel;

// The main window: the whole program for the user. It owns the program-wide state and composes one
// object per panel; a handler that crosses panels goes through here.
class FrmPeriodni : public QMainWindow, public ThermometerHost
{
    Q_OBJECT

public:
    // programFolder ends with a separator; the configuration file and relative background
    // pictures are looked up in it.
    FrmPeriodni(DesktopSeam &seam, const QString &programFolder, QWidget *parent = nullptr);
    ~FrmPeriodni() override;

    // The start-up sequence. A file-not-found error ends it silently, any other error with a
    // message; the window stays open with whatever was set up before.
    void formLoad();

    void ApplyConfig();
    void SetNoviConfig();
    void refreshStateColours() override;
    void cmdElement_Click(int index);
    void imgIzlaz_Click();

    // Program-wide values.
    QString programFolder;
    qint16 LanguageIndex = 0;
    QChar decimalSeparator = u'.';
    bool repaintAllStates = false;
    qint16 formulaCaret = 0;
    bool calculatorMode = false;
    QString decimalsFormat;
    pse::Settings settings;
    TemperatureState temperatureState;
    PropertyTables tables;
    StatePainter statePainter;
    RandomSource random;

    DesignSurface *surface() const { return m_surface; }
    ElementGrid *grid() const { return m_grid; }
    InfoPanel *infoPanel() const { return m_info; }
    ThermometerPanel *thermometer() const { return m_thermometer; }

    static QChar detectDecimalSeparator();

private:
    void readConfig();
    void applyGradient();
    void applyBackgroundPicture();
    StateColours stateColours() const;

    DesktopSeam &m_seam;
    DesignSurface *m_surface;
    ElementGrid *m_grid;
    InfoPanel *m_info;
    ThermometerPanel *m_thermometer;
    QToolButton *m_imgIzlaz;
};
