#pragma once

#include <QObject>

#include <array>

class DesignSurface;
class QLabel;
class QLineEdit;
class ThermometerHost;
class ThermometerPart;
struct TemperatureState;

// The thermometer beside the table. Every change of temperature, typed or set by any other part of
// the program, goes through the text box txtT; its change handler moves the column and recolours.
class ThermometerPanel : public QObject
{
    Q_OBJECT

public:
    ThermometerPanel(DesignSurface *surface, TemperatureState &state, ThermometerHost &host,
                     QObject *parent = nullptr);

    QLineEdit *temperatureBox() const { return m_txtT; }
    // Writes a whole temperature into txtT, which runs its change handler.
    void setTemperatureText(const QString &text);
    // The column's top edge in twips inside the tube, as last set.
    float columnTop() const { return m_columnTop; }

    void txtT_Change();
    // y is in twips below the top of the clicked part.
    void picIznadNiti_MouseDown(Qt::MouseButton button, double y);
    void NitTermometra_MouseDown(Qt::MouseButton button, double y);
    void lblSkalaBroj_Click(int index);
    void lblTermometar_Click();
    void imgRezervoar_MouseDown(Qt::MouseButton button);
    void imgRezervoar_MouseUp(Qt::MouseButton button);

signals:
    // The bulb runs the temperature timer of the sweep while it is held.
    void bulbPressed();
    void bulbReleased();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeColumn();

    DesignSurface *m_surface;
    TemperatureState &m_state;
    ThermometerHost &m_host;
    QLineEdit *m_txtT;
    ThermometerPart *m_picIznadNiti;
    ThermometerPart *m_NitTermometra;
    ThermometerPart *m_imgRezervoar;
    std::array<QLabel *, 7> m_lblSkalaBroj{};
    QLabel *m_lblTermometar;
    float m_columnTop = 0;
};
