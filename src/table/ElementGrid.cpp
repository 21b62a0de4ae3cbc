// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ElementGrid.h"

#include "elements/ElementDatabase.h"
#include "temperature/StateOfMatter.h"
#include "ui/Colours.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

#include <QFrame>
#include <QLabel>

#include <cstdlib>
#include <limits>

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
        auto *button = new ElementButton(
            QString::fromStdString(
                allElements(fullElementCount)[std::size_t(atomicNumber(i) - 1)].symbol),
            surface);
        button->setObjectName(QStringLiteral("cmdElement_%1").arg(i));
        button->setRingFromLook(true);
        surface->place(button, buttonRect(i), 9.75);
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
}

bool ElementGrid::legendShown() const
{
    return !m_legendLabels[0]->isHidden();
}

void ElementGrid::setLegendShown(bool shown)
{
    for (std::size_t i = 0; i < 4; ++i) {
        m_legendLabels[i]->setVisible(shown);
        m_legendSamples[i]->setVisible(shown);
    }
}

int ElementGrid::neighbour(int from, Qt::Key arrow, int shownCount)
{
    const QPoint here = buttonRect(from).center();
    const bool horizontal = arrow == Qt::Key_Left || arrow == Qt::Key_Right;
    const int sign = (arrow == Qt::Key_Right || arrow == Qt::Key_Down) ? 1 : -1;
    // Buttons of one row share their top edge but for the extra hydrogen button; half a button
    // apart is another row.
    const auto sameRow = [](const QPoint &a, const QPoint &b) {
        return std::abs(a.y() - b.y()) < RowStep / 2;
    };
    if (horizontal) {
        int best = from;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i <= shownCount; ++i) {
            const QPoint there = buttonRect(i).center();
            const int distance = (there.x() - here.x()) * sign;
            if (i != from && sameRow(here, there) && distance > 0 && distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        return best;
    }
    // The extra hydrogen button stands above helium, outside every column.
    if (from == 0)
        return arrow == Qt::Key_Down ? 2 : 0;
    if (from == 2 && arrow == Qt::Key_Up)
        return 0;
    // Up or down: the rows in that direction, nearest first; the first with a button in this
    // column wins, else the nearest button of the nearest row.
    int nearestRowButton = from;
    int nearestRowY = std::numeric_limits<int>::max();
    int nearestRowX = std::numeric_limits<int>::max();
    int column = from;
    int columnRowY = std::numeric_limits<int>::max();
    for (int i = 0; i <= shownCount; ++i) {
        const QPoint there = buttonRect(i).center();
        const int rowDistance = (there.y() - here.y()) * sign;
        if (i == from || i == 0 || rowDistance <= 0 || sameRow(here, there))
            continue;
        const int dx = std::abs(there.x() - here.x());
        if (rowDistance < nearestRowY || (rowDistance == nearestRowY && dx < nearestRowX)) {
            nearestRowButton = i;
            nearestRowY = rowDistance;
            nearestRowX = dx;
        }
        if (dx < ColumnStep / 2 && rowDistance < columnRowY) {
            column = i;
            columnRowY = rowDistance;
        }
    }
    return column != from ? column : nearestRowButton;
}
