#pragma once

#include "lang/TextBinder.h"

#include <QObject>
#include <QRect>

#include <algorithm>
#include <array>
#include <span>

class DesignSurface;
class ElementButton;
class QFrame;
class QLabel;
struct StateColours;

// The table itself: the 110 element buttons and the legend of states beneath them.
class ElementGrid : public QObject
{
    Q_OBJECT

public:
    static constexpr int ButtonCount = 110;

    ElementGrid(DesignSurface *surface, QObject *parent = nullptr);

    // Design rectangle (twips) of element button `index` (0..109).
    static QRect buttonRect(int index);
    // The atomic number a button stands for: the extra button 0 is hydrogen, as is button 1.
    static int atomicNumber(int index) { return std::max(index, 1); }

    ElementButton *button(int index) const { return m_buttons.at(std::size_t(index)); }

    // The button an arrow key leads to from button `from` in the table's geometry: along a
    // period over its gaps, or to the nearest button of the next row up or down (the f-block rows
    // and the extra hydrogen button included) that stands in the same column, or failing that the
    // nearest one of the next row at all. `from` itself when there is none.
    static int neighbour(int from, Qt::Key arrow);

    // Paints a button for a state of matter (a StateCode) and, while state letters are on, gives
    // it the state's letter.
    void paintState(int index, qint16 state, const QColor &colour);
    // Letters for solid, liquid, gas and not known, or all empty to switch them off; `states` are
    // the states buttons 0..95 show, the rest have none known.
    void setStateLetters(const std::array<QString, 4> &letters, std::span<const qint16> states);
    // The legend's colours and text colour, and the not-known colour of the buttons whose
    // elements have no temperatures in the data.
    void applyColours(const StateColours &states, const QColor &legendText);
    void applyLanguage(int languageIndex) { m_texts.apply(languageIndex); }
    // The legend of states makes room for the colour bar of a property view, and comes back.
    void setLegendShown(bool shown);

signals:
    void elementClicked(int index);
    void elementRightClicked(int index, const QPoint &globalPosition);

private:
    void createButtons(DesignSurface *surface);
    void createLegend(DesignSurface *surface);

    std::array<ElementButton *, ButtonCount> m_buttons{};
    std::array<QLabel *, 4> m_legendLabels{};
    std::array<QFrame *, 4> m_legendSamples{};
    std::array<QString, 4> m_stateLetters{};
    pse::lang::TextBinder m_texts;
};
