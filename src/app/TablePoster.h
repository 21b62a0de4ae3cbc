// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ElementButton.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

class ElementGrid;
class QPainter;
class TableController;
struct TemperatureState;

// The table as the window shows it, drawn for paper: every element in the colour, with the mark
// and the letter its button shows, and its atomic number, the group and period numbers and the
// names of the f-block rows, on white. The title, what colours the table (the state of matter at
// the thermometer's temperature with its legend, or a property with its colour bar) and the date
// stand in the gap above the transition metals, as on a wall chart. It is all shapes and text, so
// a PDF of it is sharp at any size and a reader's search finds the symbols in it.
class TablePoster
{
public:
    // The look of every element is taken from its button: whatever colours, hides or marks the
    // table on the screen does so on paper too.
    TablePoster(const ElementGrid &grid, const TableController &table,
                const TemperatureState &temperature, const QColor &fBlockColour);

    int language() const { return m_language; }
    const QString &title() const { return m_title; }

    // Draws the poster as large as it fits into `page`, in the painter's coordinates, centred.
    void paint(QPainter &painter, const QRectF &page) const;

private:
    struct Cell
    {
        QRect twips; // where the element's button stands in the window's design
        ButtonLook look;
        QString symbol;
        int number;
    };
    struct Key
    {
        QColor colour;
        QString name;
    };
    struct Layout;

    Layout layout() const;
    void paintCell(QPainter &painter, const Cell &cell, const QRectF &face) const;
    void paintFrame(QPainter &painter, const Layout &layout) const;
    void paintHeading(QPainter &painter, const QRectF &area) const;
    void paintLegend(QPainter &painter, const QRectF &area) const;

    std::vector<Cell> m_cells;
    // The legend of states; empty while a property colours the table, whose colour bar then runs
    // from m_scaleMin to m_scaleMax.
    std::vector<Key> m_keys;
    QString m_scaleMin;
    QString m_scaleMax;
    QString m_title;
    QString m_subtitle;
    QString m_date;
    std::array<QString, 2> m_rowNames;
    QColor m_fBlockColour;
    int m_language = 0;
};
