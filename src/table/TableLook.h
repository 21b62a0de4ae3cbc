// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/ElementGrid.h"
#include "table/PropertyMaps.h"
#include "temperature/StateOfMatter.h"
#include "ui/ElementButton.h"

#include <QString>

#include <array>
#include <optional>

struct PropertyTables;

// What a quiz question asks of the table.
struct QuizMarks
{
    // While a quiz is open, a search and the timeline leave the table alone.
    bool active = false;
    // A state question stands: no state colours and no letters anywhere.
    bool hideStates = false;
    // The element asked about, framed, and whether its symbol is hidden.
    int marked = -1;
    bool symbolHidden = false;
    // The right answer, shown for a moment in this colour.
    int flashing = -1;
    QColor flashColour;

    bool operator==(const QuizMarks &) const = default;
};

// Everything that decides what an element button shows. The table controller holds the one copy;
// a feature that changes how the table looks adds a field here and a rule to TableLook::look.
struct TableInputs
{
    // What colours the table: the state of matter, or one property after another.
    static constexpr int StatesColouring = 0;
    static constexpr int ColouringCount = 1 + int(maps::Property::Count);

    // The elements in use: 109, to meitnerium, or the full table of 118.
    int elementCount = 109;
    // The thermometer's temperature in °C, and the unit it reads in.
    int celsius = 0;
    bool kelvinScale = true;
    // StatesColouring, or 1 + a maps::Property.
    int colouring = StatesColouring;
    // The letters typed to search the table; empty when nobody searches.
    QString search;
    // The discovery timeline's year while the timeline is open.
    std::optional<int> year;
    // The state's initial in a corner of every button.
    bool letters = false;
    int language = 0;
    // The element button with the keyboard focus, -1 for none.
    int focused = -1;
    StateColours colours;
    QuizMarks quiz;

    bool operator==(const TableInputs &) const = default;
};

// The one rule from the inputs to each button's look. It keeps nothing of what it answered before:
// its caches hold only what follows from the element data (scales, folded names, letters).
class TableLook
{
public:
    explicit TableLook(const PropertyTables &tables);

    ButtonLook look(int index, const TableInputs &inputs) const;

    // Whether button `index` stands in the table: discovered by the timeline's year.
    bool known(int index, const TableInputs &inputs) const;
    // Whether button `index` is found by the search (every button when nobody searches).
    bool found(int index, const TableInputs &inputs) const;
    // The state of button `index` at the inputs' temperature; nothing where the data hold none.
    std::optional<qint16> state(int index, const TableInputs &inputs) const;
    const PropertyTables &tables() const { return m_tables; }
    // The scale of a property map over the elements in use.
    const maps::Scale &scale(maps::Property property, int elementCount) const;

private:
    using Values = std::array<std::optional<double>, ElementGrid::ButtonCount>;

    const Values &values(maps::Property property) const;
    const QString &foldedSearch(const QString &search) const;
    const std::array<QString, 4> &letters(int language) const;

    const PropertyTables &m_tables;
    // By property, for the shorter table and the full one.
    mutable std::array<std::array<std::optional<maps::Scale>, 2>,
                       std::size_t(maps::Property::Count)>
        m_scales;
    mutable std::array<std::optional<Values>, std::size_t(maps::Property::Count)> m_values;
    std::array<int, ElementGrid::ButtonCount> m_years{};
    // Symbols and names without case and accents, by language and button: "zeljezo" finds
    // "Željezo".
    mutable std::array<std::array<QString, ElementGrid::ButtonCount>, 5> m_folded;
    mutable std::array<std::array<QString, 4>, 5> m_letters;
    mutable std::array<bool, 5> m_lettersRead{};
    mutable QString m_searchFor;
    mutable QString m_searchFolded;
};

// Text compared without case and accents.
QString folded(const QString &text);
