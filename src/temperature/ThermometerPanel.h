// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/TextBinder.h"

#include <QObject>

#include <array>

class ClickableLabel;
class DesignSurface;
class QLineEdit;
class ThermometerPart;
struct TemperatureState;

namespace pse {
struct Settings;
}

// The thermometer beside the table. Every change of temperature, typed or set by any other part of
// the program, goes through the text box txtT; its change handler moves the column and tells the
// window, which recolours the table.
class ThermometerPanel : public QObject
{
    Q_OBJECT

public:
    ThermometerPanel(DesignSurface *surface, TemperatureState &state, const pse::Settings &settings,
                     QObject *parent = nullptr);

    QLineEdit *temperatureBox() const { return m_txtT; }
    // Writes a whole temperature into txtT, which runs its change handler.
    void setTemperatureText(const QString &text);
    void applyLanguage(int languageIndex) { m_texts.apply(languageIndex); }

    void txtT_Change();
    // y is in twips below the top of the clicked part.
    void picIznadNiti_MouseDown(double y);
    void NitTermometra_MouseDown(double y);
    void lblSkalaBroj_Click(int index);
    void lblTermometar_Click();
    void imgRezervoar_MouseDown(Qt::MouseButton button);
    void imgRezervoar_MouseUp();

signals:
    // The reading changed: the table's colours may have to follow.
    void temperatureChanged();
    // The unit changed; the element on show must show its temperatures in the new one.
    void unitSwitched();
    // The bulb runs the temperature timer of the sweep while it is held. Its release also means
    // that someone has taken the thermometer in hand.
    void bulbPressed();
    void bulbReleased();

private:
    void placeColumn();

    DesignSurface *m_surface;
    TemperatureState &m_state;
    const pse::Settings &m_settings;
    QLineEdit *m_txtT;
    ThermometerPart *m_picIznadNiti;
    ThermometerPart *m_NitTermometra;
    ThermometerPart *m_imgRezervoar;
    std::array<ClickableLabel *, 7> m_lblSkalaBroj{};
    ClickableLabel *m_lblTermometar;
    // The column's top edge in twips inside the tube, as last set; column clicks are measured
    // from it.
    float m_columnTop = 0;
    pse::lang::TextBinder m_texts;
};
