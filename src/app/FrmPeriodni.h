// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ProgramState.h"
#include "config/ConfigHost.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class CalculatorPanel;
class DesignSurface;
class DesktopSeam;
class DrawnButton;
class ElementGrid;
class InfoPanel;
class KeyHandler;
class LessonTools;
class SweepPanel;
class TableController;
class TableLabels;
class TablePoster;
class ThermometerPanel;
class ToolPanel;
class ViewPanel;
struct StateColours;
namespace pse {
class ConfigStore;
class FrmConfig;
} // namespace pse

// The main window: the whole program for the user. It owns the program-wide state, builds one
// object per panel and the table's controller, and connects them; a handler that crosses panels
// goes through here. It holds no control of its own beyond the exit image.
class FrmPeriodni : public QMainWindow, private pse::ConfigHost
{
    Q_OBJECT

public:
    // programFolder ends with a separator. The configuration file and relative background
    // pictures are looked up in it when it is writable, else in the user's configuration folder.
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
    // The tool buttons: 0 calculator, 1 element data, 2 settings, 3 help. Each stops the sweep.
    void cmdIzbornik_Click(int index);

    // The calculator, built on first use: start-up does not show it.
    CalculatorPanel &calculator();
    // Null until then, for keys that have nothing to do in a calculator nobody has opened.
    CalculatorPanel *builtCalculator() const { return m_calculator; }
    TableController &table() { return *m_table; }
    LessonTools &lessons() { return *m_lessons; }

    // The table as a picture or a PDF poster.
    void exportPicture();

    ProgramState &state() { return m_state; }

protected:
    // The configuration dialog is closed with the window, which cancels it.
    void closeEvent(QCloseEvent *event) override;

private:
    // What the configuration procedures ask of the window.
    void setTemperatureText(const QString &text) override;
    void setStepTempText(const QString &text) override;
    void applyConfig() override { ApplyConfig(); }
    void setRepaintAllStates() override { m_state.repaintAllStates = true; }
    void showError(const QString &message) override;

    void connectPanels();
    // Opens the configuration dialog, as the settings button and F3 do: built on first use in the
    // current language, and only brought to the front while it is open.
    void showSettings();
    void setLanguageIndex(int languageIndex);
    // Shows element button `index` in the tile and the panel; unlike a click it never types a
    // symbol into the calculator.
    void showInPanel(int index);
    void copyTileColour();
    TablePoster poster() const;
    // Where the help files and the web page are looked for: the current folder first, as they
    // always were, then the program's own and the installed data folders.
    QStringList helpFolders() const;
    void applyBackgroundPicture();
    StateColours stateColours() const;

    DesktopSeam &m_seam;
    ProgramState m_state;
    DesignSurface *m_surface;
    ElementGrid *m_grid;
    TableController *m_table;
    TableLabels *m_tableLabels;
    InfoPanel *m_info;
    ThermometerPanel *m_thermometer;
    SweepPanel *m_sweep;
    ToolPanel *m_tools;
    ViewPanel *m_views;
    CalculatorPanel *m_calculator = nullptr;
    KeyHandler *m_keys;
    LessonTools *m_lessons;
    DrawnButton *m_imgIzlaz;
    std::unique_ptr<pse::ConfigStore> m_configStore;
    // Exists from showSettings until Save, Cancel or closing it destroys it.
    QPointer<pse::FrmConfig> m_config;
};
