#pragma once

#include "lang/TextBinder.h"

#include <QObject>
#include <QRect>

#include <array>

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

    ElementButton *button(int index) const { return m_buttons.at(std::size_t(index)); }

    // The legend's colours and text colour, and the not-known colour of the buttons whose
    // elements have no temperatures in the data.
    void applyColours(const StateColours &states, const QColor &legendText);
    void applyLanguage(int languageIndex) { m_texts.apply(languageIndex); }

signals:
    void elementClicked(int index);
    void elementRightClicked(int index, const QPoint &globalPosition);

private:
    void createButtons(DesignSurface *surface);
    void createLegend(DesignSurface *surface);

    std::array<ElementButton *, ButtonCount> m_buttons{};
    std::array<QLabel *, 4> m_legendLabels{};
    std::array<QFrame *, 4> m_legendSamples{};
    pse::lang::TextBinder m_texts;
};
