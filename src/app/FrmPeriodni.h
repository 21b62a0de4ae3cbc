#pragma once

#include "app/RandomSource.h"
#include "config/ConfigHost.h"
#include "config/Settings.h"
#include "temperature/PropertyTables.h"
#include "temperature/StatePainter.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerHost.h"

#include <QMainWindow>

#include <memory>

class DesignSurface;
class DesktopSeam;
class ElementGrid;
class InfoPanel;
class QToolButton;
class SweepPanel;
class ThermometerPanel;
namespace pse {
class ConfigStore;
}

// The main window: the whole program for the user. It owns the program-wide state and composes one
// object per panel; a handler that crosses panels goes through here.
class FrmPeriodni : public QMainWindow, public ThermometerHost, public pse::ConfigHost
{
    Q_OBJECT

public:
    // programFolder ends with a separator; the configuration file and relative background
    // pictures are looked up in it.
    FrmPeriodni(DesktopSeam &seam, const QString &programFolder, QWidget *parent = nullptr);
    ~FrmPeriodni() override;

    // The start-up sequence. Any failure ends it with a message; the window stays open with
    // whatever was set up before. A missing configuration file or background picture is no
    // failure: the reader and ApplyConfig pass over those silently.
    void formLoad();

    void ApplyConfig();
    void SetNoviConfig();
    void refreshStateColours() override;

    // What the thermometer and the sweep ask of the window.
    void showElementAgain() override;
    void showElement(int index) override { cmdElement_Click(index); }
    void pageDown() override;
    void endProgram() override;
    pse::Settings &settingsRecord() override { return settings; }
    int randomBelow(int count) override { return random.below(count); }

    // What the configuration procedures ask of the window.
    void setTemperatureText(const QString &text) override;
    void setStepTempText(const QString &text) override;
    void applyConfig() override { ApplyConfig(); }
    void setRepaintAllStates() override { repaintAllStates = true; }
    void showError(const QString &message) override;

    pse::ConfigStore &configStore() const { return *m_configStore; }

    void cmdElement_Click(int index);
    // The right mouse button on an element pages the panel, or opens the calculator's insert menu.
    void cmdElement_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                            const QPoint &globalPosition);
    void imgIzlaz_Click();

    // The language flags; SetNoviConfig also uses them to re-apply the current language.
    void imgHR_Click();
    void imgEN_Click();
    void imgDE_Click();
    void imgFR_Click();
    void imgIT_Click();
    void SetLanguage();

    // Program-wide values.
    QString programFolder;
    QChar decimalSeparator = u'.';
    bool repaintAllStates = false;
    qint16 formulaCaret = 0;
    bool calculatorMode = false;
    QString decimalsFormat;
    qint16 colourEditMode = 0;
    pse::Settings settings;
    // The interface language is the configuration's Language value itself: the reader sets it,
    // the flags change it, and Save writes it, so there is no second copy to drift.
    qint16 &LanguageIndex = settings.Language;
    TemperatureState temperatureState;
    PropertyTables tables;
    StatePainter statePainter;
    RandomSource random;

    DesignSurface *surface() const { return m_surface; }
    ElementGrid *grid() const { return m_grid; }
    InfoPanel *infoPanel() const { return m_info; }
    ThermometerPanel *thermometer() const { return m_thermometer; }
    SweepPanel *sweep() const { return m_sweep; }

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
    SweepPanel *m_sweep;
    QToolButton *m_imgIzlaz;
    std::unique_ptr<pse::ConfigStore> m_configStore;
};
