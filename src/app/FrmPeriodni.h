#pragma once

#include "app/ProgramState.h"
#include "config/ConfigHost.h"

#include <QMainWindow>

#include <memory>

class DesignSurface;
class DesktopSeam;
class DrawnButton;
class ElementGrid;
class InfoPanel;
class SweepPanel;
class TableLabels;
class ThermometerPanel;
struct SweepValues;
struct StateColours;
namespace pse {
class ConfigStore;
}

// The main window: the whole program for the user. It owns the program-wide state, composes one
// object per panel and connects them; a handler that crosses panels goes through here. It holds
// no control of its own beyond the exit image.
class FrmPeriodni : public QMainWindow, private pse::ConfigHost
{
    Q_OBJECT

public:
    // programFolder ends with a separator; the configuration file and relative background
    // pictures are looked up in it.
    FrmPeriodni(DesktopSeam &seam, const QString &programFolder, QWidget *parent = nullptr);
    ~FrmPeriodni() override;

    // The start-up sequence. A missing configuration file or background picture is no failure:
    // the reader and ApplyConfig pass over those silently.
    void formLoad();

    void ApplyConfig();
    void SetNoviConfig();
    void SetLanguage();
    void refreshStateColours();

    void cmdElement_Click(int index);
    // The right mouse button on an element pages the panel, or opens the calculator's insert menu.
    void cmdElement_MouseUp(int index, Qt::MouseButton button, const QPoint &globalPosition);
    void imgIzlaz_Click();

    // The language flags; SetNoviConfig also uses them to re-apply the current language.
    void imgHR_Click();
    void imgEN_Click();
    void imgDE_Click();
    void imgFR_Click();
    void imgIT_Click();

    ProgramState &state() { return m_state; }

private:
    // What the configuration procedures ask of the window.
    void setTemperatureText(const QString &text) override;
    void setStepTempText(const QString &text) override;
    void applyConfig() override { ApplyConfig(); }
    void setRepaintAllStates() override { m_state.repaintAllStates = true; }
    void showError(const QString &message) override;

    void connectPanels();
    void setLanguageIndex(int languageIndex);
    // Shows element button `index` in the tile and the panel; unlike a click it never types a
    // symbol into the calculator.
    void showInPanel(int index);
    void storeSweepValues(const SweepValues &values);
    void applyBackgroundPicture();
    StateColours stateColours() const;

    DesktopSeam &m_seam;
    ProgramState m_state;
    DesignSurface *m_surface;
    ElementGrid *m_grid;
    TableLabels *m_tableLabels;
    InfoPanel *m_info;
    ThermometerPanel *m_thermometer;
    SweepPanel *m_sweep;
    DrawnButton *m_imgIzlaz;
    std::unique_ptr<pse::ConfigStore> m_configStore;
};
