#pragma once

#include <QObject>
#include <QRect>

#include <array>

class DesignSurface;
class ElementButton;
class QFrame;
class QLabel;
class QPushButton;

// The table itself: the 110 element buttons, the legend of states, the period labels and the
// lanthanide and actinide rows with their buttons and outlines.
class ElementGrid : public QObject
{
    Q_OBJECT

public:
    static constexpr int ButtonCount = 110;

    ElementGrid(DesignSurface *surface, QObject *parent = nullptr);

    // Design rectangle (twips) of element button `index` (0..109).
    static QRect buttonRect(int index);

    ElementButton *button(int index) const { return m_buttons.at(index); }
    QLabel *legendLabel(int state) const { return m_legendLabels.at(state); }
    QFrame *legendSample(int state) const { return m_legendSamples.at(state); }

signals:
    void elementClicked(int index);
    void elementRightClicked(int index, const QPoint &globalPosition);

private:
    void createButtons(DesignSurface *surface);
    void createLegend(DesignSurface *surface);
    void createRowLabels(DesignSurface *surface);

    std::array<ElementButton *, ButtonCount> m_buttons{};
    std::array<QLabel *, 4> m_legendLabels{};
    std::array<QFrame *, 4> m_legendSamples{};
};
