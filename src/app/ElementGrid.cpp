#include "app/ElementGrid.h"

#include "temperature/PropertyTables.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

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
    createRowLabels(surface);
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
    const char *captions[] = {"Kruto", "Tekuće", "Plinovito", "Nepoznato"};
    for (int i = 0; i < 4; ++i) {
        const int left = 1770 + 1800 * i;
        auto *sample = new QFrame(surface);
        sample->setObjectName(QStringLiteral("shpStanje_%1").arg(i));
        sample->setFrameShape(QFrame::Box);
        sample->setAutoFillBackground(true);
        surface->place(sample, QRect(left, 6330, 330, 330), 0);
        m_legendSamples[i] = sample;

        auto *label = new QLabel(QString::fromUtf8(captions[i]), surface);
        label->setObjectName(QStringLiteral("lblStanje_%1").arg(i));
        label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        surface->place(label, QRect(left + 420, 6330, 1350, 330), 9.75);
        m_legendLabels[i] = label;
    }
}

void ElementGrid::createRowLabels(DesignSurface *surface)
{
    for (int i = 0; i < 7; ++i) {
        auto *label = new QLabel(QString::number(i + 1), surface);
        label->setObjectName(QStringLiteral("Perioda_%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        surface->place(label, QRect(i == 5 ? 60 : 75, 780 + 540 * i, 240, 255), 9.75);
    }

    const char *rowNames[] = {"Lantanoidi", "Aktinoidi"};
    const int rowTops[] = {4545, 5355};
    for (int i = 0; i < 2; ++i) {
        auto *label = new QLabel(QString::fromLatin1(rowNames[i]), surface);
        label->setObjectName(QStringLiteral("lblImePerioda_%1").arg(i));
        surface->place(label, QRect(1770, rowTops[i], 2400, 210), 8.25);
    }

    const struct
    {
        const char *name;
        const char *caption;
        int top;
        const char *outline;
        int outlineTop;
    } rows[] = {{"cmdLantanoidi", "La-Lu", 3300, "picLantanoidi", 4725},
                {"cmdAktinoidi", "Ac-Lr", 3840, "picAktinoidi", 5530}};
    for (const auto &row : rows) {
        auto *outline = new QFrame(surface);
        outline->setObjectName(QString::fromLatin1(row.outline));
        outline->setAutoFillBackground(true);
        outline->hide();
        surface->place(outline, QRect(1740, row.outlineTop, 7290, 625), 0);
        outline->lower();

        auto *button = new ElementButton(QString::fromLatin1(row.caption), surface);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setBackgroundColour(QColor(255, 255, 0));
        surface->place(button, QRect(1290, row.top, ButtonWidth, ButtonHeight), 8.25);
    }
}
