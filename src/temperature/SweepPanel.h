// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/TextBinder.h"

#include <QObject>
#include <QString>

#include <array>

class ClickableLabel;
class DesignSurface;
class DrawnButton;
class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QTimer;
class ThermometerPanel;
struct TemperatureState;

namespace pse {
struct Settings;
}

// What the sweep's settings frame hands over when OK is pressed, as typed.
struct SweepValues
{
    QString tempStart;
    QString tempEnd;
    QString stepTemp;
    QString stepAtom;
    bool autoScroll = false;

    // Into the settings that the next save writes.
    void storeIn(pse::Settings &settings) const;
};
Q_DECLARE_METATYPE(SweepValues)

// The automatic sweep: the start/stop button, its settings frame and the two timers that run the
// temperature up and down and ask for one element after another. The temperature is written only
// through the thermometer's text box; the settings are read, never written, here.
class SweepPanel : public QObject
{
    Q_OBJECT

public:
    SweepPanel(DesignSurface *surface, TemperatureState &state, const pse::Settings &settings,
               ThermometerPanel &thermometer, QObject *parent = nullptr);

    // Fills the frame's fields from the settings (at start-up and after every saved configuration).
    void applySettings();
    // The reader shows the step it read at once, before the settings are applied.
    void showStepTemp(const QString &text);
    void applyLanguage(int languageIndex) { m_texts.apply(languageIndex); }
    // Stops both timers and shows "START", as every tool button does.
    void stopSweep();
    bool isRunning() const;

    void cmdAuto_Click();
    void TimerTemp_Timer();
    void TimerAtom_Timer();
    void cmdSetTemp_Click();
    void cmdAutoOK_Click();
    void cmdAutoCancel_Click();

signals:
    // A random element is due in the information panel, and the next page of it.
    void elementDue();
    void pageDue();
    // The sweep reached its end with AutoClose set.
    void endOfSweep();
    // OK was pressed: the values are to be stored before the sweep starts with them.
    void valuesAccepted(const SweepValues &values);

private:
    void buildFrame(DesignSurface *surface);
    // Fresh counters and the step from StepTemp.
    void resetCounters();
    // Fresh counters, and both timers run.
    void startSweep();

    TemperatureState &m_state;
    const pse::Settings &m_settings;
    ThermometerPanel &m_thermometer;
    QTimer *m_TimerTemp;
    QTimer *m_TimerAtom;
    QPushButton *m_cmdAuto;
    DrawnButton *m_cmdSetTemp;
    QFrame *m_fraAuto = nullptr;
    // TempStart, TempEnd, StepTemp, StepAtom.
    std::array<QLineEdit *, 4> m_fieldBoxes{};
    QCheckBox *m_chkScroll = nullptr;
    pse::lang::TextBinder m_texts;
};
