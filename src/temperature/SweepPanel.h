#pragma once

#include <QObject>

#include <array>

class DesignSurface;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;
class ThermometerHost;
class ThermometerPanel;
struct TemperatureState;

namespace pse {
struct Settings;
}

// The automatic sweep: the start/stop button, its settings frame and the two timers that run the
// temperature up and down and show one element after another. The temperature is written only
// through the thermometer's text box.
class SweepPanel : public QObject
{
    Q_OBJECT

public:
    SweepPanel(DesignSurface *surface, TemperatureState &state, ThermometerHost &host,
               ThermometerPanel &thermometer, QObject *parent = nullptr);

    // Fills the frame's fields from the settings (at start-up and after every saved configuration).
    void applySettings(const pse::Settings &settings);
    // Stops both timers and shows "START", as every tool button does.
    void stopSweep();
    bool isRunning() const;

    QTimer *temperatureTimer() const { return m_TimerTemp; }
    QTimer *atomTimer() const { return m_TimerAtom; }
    QPushButton *autoButton() const { return m_cmdAuto; }
    QFrame *settingsFrame() const { return m_fraAuto; }

    void cmdAuto_Click();
    void TimerTemp_Timer();
    void TimerAtom_Timer();
    void cmdSetTemp_Click();
    void cmdAutoOK_Click();
    void cmdAutoCancel_Click();
    void lblAuto_Click();
    // field: 0 TempStart, 1 TempEnd, 2 StepTemp, 3 StepAtom.
    void fieldLabel_Click(int field);
    void fieldBox_GotFocus(int field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame(DesignSurface *surface);
    // Fresh counters and the step from StepTemp.
    void resetCounters();
    // Fresh counters, and both timers run.
    void startSweep();

    TemperatureState &m_state;
    ThermometerHost &m_host;
    ThermometerPanel &m_thermometer;
    QTimer *m_TimerTemp;
    QTimer *m_TimerAtom;
    QPushButton *m_cmdAuto;
    QToolButton *m_cmdSetTemp;
    QFrame *m_fraAuto = nullptr;
    QLabel *m_lblAuto = nullptr;
    std::array<QLabel *, 4> m_fieldLabels{};
    std::array<QLineEdit *, 4> m_fieldBoxes{};
    QCheckBox *m_chkScroll = nullptr;
    QPushButton *m_cmdAutoOK = nullptr;
    QPushButton *m_cmdAutoCancel = nullptr;
};
