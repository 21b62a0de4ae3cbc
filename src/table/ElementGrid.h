// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/TextBinder.h"

#include <QObject>
#include <QRect>

#include <algorithm>
#include <array>

class DesignSurface;
class ElementButton;
class QFrame;
class QLabel;
struct StateColours;

// The table's widgets: the element buttons, laid out in the table's geometry, and the legend of
// states beneath them. Button i (1..118) is the element with atomic number i and button 0 repeats
// hydrogen; 110..118 complete period 7 and are shown with the full table only. What the buttons
// show is the table controller's to decide.
class ElementGrid : public QObject
{
    Q_OBJECT

public:
    static constexpr int ButtonCount = 119;

    ElementGrid(DesignSurface *surface, QObject *parent = nullptr);

    // Design rectangle (twips) of element button `index` (0..118).
    static QRect buttonRect(int index);
    // The atomic number a button stands for: the extra button 0 is hydrogen, as is button 1.
    static int atomicNumber(int index) { return std::max(index, 1); }

    ElementButton *button(int index) const { return m_buttons.at(std::size_t(index)); }

    // The button an arrow key leads to from button `from` in the table's geometry: along a
    // period over its gaps, or to the nearest button of the next row up or down (the f-block rows
    // and the extra hydrogen button included) that stands in the same column, or failing that the
    // nearest one of the next row at all. `from` itself when there is none. Only the buttons up to
    // `shownCount`, the elements in use, take part.
    static int neighbour(int from, Qt::Key arrow, int shownCount);

    // The legend's colours and text colour.
    void applyColours(const StateColours &states, const QColor &legendText);
    void applyLanguage(int languageIndex) { m_texts.apply(languageIndex); }
    // The legend of states makes room for the colour bar of a property view, and comes back.
    void setLegendShown(bool shown);
    bool legendShown() const;

signals:
    // A left click reaches the table controller through the button's own clicked signal.
    void elementRightClicked(int index, const QPoint &globalPosition);

private:
    void createButtons(DesignSurface *surface);
    void createLegend(DesignSurface *surface);

    std::array<ElementButton *, ButtonCount> m_buttons{};
    std::array<QLabel *, 4> m_legendLabels{};
    std::array<QFrame *, 4> m_legendSamples{};
    pse::lang::TextBinder m_texts;
};
