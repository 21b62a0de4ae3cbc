#include "app/ElementGrid.h"

#include "temperature/PropertyTables.h"
#include "temperature/StatePainter.h"
#include "ui/Colours.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr int ButtonWidth = 500;
constexpr int ButtonHeight = 550;
constexpr int ColumnStep = 480;
constexpr int RowStep = 540;
constexpr int FirstLanthanide = 57;
constexpr int FirstActinide = 89;

QPoint gridPosition(int group, int period)
{
    return {330 + ColumnStep * (group - 1), 600 + RowStep * (period - 1)};
}

// Group and period of atomic number z outside the two f-block rows.
QPoint groupAndPeriod(int z)
{
    if (z == 1)
        return {1, 1};
    if (z == 2)
        return {18, 1};
    const int periodStart[] = {3, 11, 19, 37, 55, 87};
    const int periodLength[] = {8, 8, 18, 18, 32, 32};
    int period = 2;
    for (int p = 0; p < 6; ++p) {
        if (z >= periodStart[p] && z < periodStart[p] + periodLength[p]) {
            period = p + 2;
            const int offset = z - periodStart[p];
            if (offset < 2)
                return {offset + 1, period};
            const int fromEnd = periodStart[p] + periodLength[p] - 1 - z;
            return {18 - fromEnd, period};
        }
    }
    return {1, period};
}

} // namespace

ElementGrid::ElementGrid(DesignSurface *surface, QObject *parent)
    : QObject(parent)
{
    createButtons(surface);
    createLegend(surface);
}

QRect ElementGrid::buttonRect(int index)
{
    QPoint topLeft;
    if (index == 0)
        topLeft = {10050, 30};
    else if (index >= FirstLanthanide && index < FirstLanthanide + 15)
        topLeft = {1770 + ColumnStep * (index - FirstLanthanide), 4755};
    else if (index >= FirstActinide && index < FirstActinide + 15)
        topLeft = {1770 + ColumnStep * (index - FirstActinide), 5565};
    else {
        const QPoint gp = groupAndPeriod(index);
        topLeft = gridPosition(gp.x(), gp.y());
    }
    return {topLeft, QSize(ButtonWidth, ButtonHeight)};
}

void ElementGrid::createButtons(DesignSurface *surface)
{
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new ElementButton(QString::fromLatin1(PropertyTables::symbol(i)), surface);
        button->setObjectName(QStringLiteral("cmdElement_%1").arg(i));
        surface->place(button, buttonRect(i), 9.75);
        connect(button, &QAbstractButton::clicked, this, [this, i] { emit elementClicked(i); });
        connect(button, &ElementButton::rightClicked, this,
                [this, i](const QPoint &at) { emit elementRightClicked(i, at); });
        m_buttons[i] = button;
    }
    // Where buttons overlap, the later element lies on top, as in a printed table.
    for (int i = 1; i < ButtonCount; ++i)
        m_buttons[i]->raise();
}

void ElementGrid::createLegend(DesignSurface *surface)
{
    using pse::lang::TextId;
    const TextId captions[] = {TextId::LegendSolid, TextId::LegendLiquid, TextId::LegendGas,
                               TextId::LegendUnknown};
    for (int i = 0; i < 4; ++i) {
        const int left = 1770 + 1800 * i;
        auto *sample = new QFrame(surface);
        sample->setObjectName(QStringLiteral("shpStanje_%1").arg(i));
        sample->setFrameShape(QFrame::Box);
        sample->setAutoFillBackground(true);
        surface->place(sample, QRect(left, 6330, 330, 330), 0);
        m_legendSamples[i] = sample;

        auto *label = new QLabel(surface);
        label->setObjectName(QStringLiteral("lblStanje_%1").arg(i));
        label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        surface->place(label, QRect(left + 420, 6330, 1350, 330), 9.75);
        m_legendLabels[i] = label;
        m_texts.bind(captions[i], label);
    }
}

void ElementGrid::applyColours(const StateColours &states, const QColor &legendText)
{
    const QColor samples[] = {states.solid, states.liquid, states.gas, states.unknown};
    for (std::size_t i = 0; i < 4; ++i) {
        colours::setText(m_legendLabels[i], legendText);
        colours::setFill(m_legendSamples[i], samples[i]);
    }
    // Button 95 is painted by its state right after; from 96 on there is no state to paint.
    for (int i = 95; i < ButtonCount; ++i)
        button(i)->setBackgroundColour(states.unknown);
}
