// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/TableLook.h"

#include "elements/ElementDatabase.h"
#include "lang/Texts.h"
#include "temperature/PropertyTables.h"

namespace {

// Buttons from curium on have no temperatures in the data: their state is not known.
constexpr int FirstWithoutState = 96;

// The letters' order: solid, liquid, gas, not known.
std::size_t letterSlot(std::optional<qint16> state)
{
    if (!state)
        return 3;
    return *state == StateCode::Solid ? 0 : *state == StateCode::Liquid ? 1 : 2;
}

} // namespace

QString folded(const QString &text)
{
    QString decomposed = text.normalized(QString::NormalizationForm_D).toCaseFolded();
    decomposed.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return decomposed;
}

TableLook::TableLook(const PropertyTables &tables)
    : m_tables(tables)
{
    for (int i = 0; i < ElementGrid::ButtonCount; ++i)
        m_years[std::size_t(i)] = maps::discoveryYear(
            allElements(fullElementCount)[std::size_t(ElementGrid::atomicNumber(i) - 1)]);
}

const TableLook::Values &TableLook::values(maps::Property property) const
{
    std::optional<Values> &cached = m_values[std::size_t(property)];
    if (!cached) {
        cached.emplace();
        for (int i = 0; i < ElementGrid::ButtonCount; ++i)
            (*cached)[std::size_t(i)] =
                maps::value(property, ElementGrid::atomicNumber(i), m_tables);
    }
    return *cached;
}

const maps::Scale &TableLook::scale(maps::Property property, int elementCount) const
{
    const bool full = elementCount > int(::elementCount);
    std::optional<maps::Scale> &cached = m_scales[std::size_t(property)][full ? 1 : 0];
    if (!cached)
        cached = maps::scaleFor(property, m_tables, full ? fullElementCount : ::elementCount);
    return *cached;
}

const QString &TableLook::foldedSearch(const QString &search) const
{
    if (search != m_searchFor) {
        m_searchFor = search;
        m_searchFolded = folded(search);
    }
    return m_searchFolded;
}

const std::array<QString, 4> &TableLook::letters(int language) const
{
    const auto slot = std::size_t(std::clamp(language, 0, 4));
    if (!m_lettersRead[slot]) {
        const QStringList initials =
            pse::lang::text(pse::lang::TextId::StateLetters, int(slot)).split(u' ');
        for (std::size_t i = 0; i < 4; ++i)
            m_letters[slot][i] = initials.value(qsizetype(i));
        m_lettersRead[slot] = true;
    }
    return m_letters[slot];
}

std::optional<qint16> TableLook::state(int index, const TableInputs &inputs) const
{
    if (index >= FirstWithoutState)
        return std::nullopt;
    const auto i = std::size_t(index);
    return stateAt(inputs.celsius, m_tables.meltingPoints[i], m_tables.boilingPoints[i]);
}

bool TableLook::known(int index, const TableInputs &inputs) const
{
    return !inputs.year || m_years[std::size_t(index)] <= *inputs.year;
}

bool TableLook::found(int index, const TableInputs &inputs) const
{
    if (inputs.search.isEmpty())
        return true;
    const auto language = std::size_t(std::clamp(inputs.language, 0, 4));
    QString &names = m_folded[language][std::size_t(index)];
    if (names.isEmpty()) {
        const ElementRecord &record =
            allElements(fullElementCount)[std::size_t(ElementGrid::atomicNumber(index) - 1)];
        // The symbol and the name apart, so that a search never matches across the two.
        names = folded(QString::fromStdString(record.symbol)) + u'\n' +
                folded(QString::fromStdString(record.name(int(language))));
    }
    return names.contains(foldedSearch(inputs.search));
}

ButtonLook TableLook::look(int index, const TableInputs &inputs) const
{
    ButtonLook look;
    const QuizMarks &quiz = inputs.quiz;
    if (quiz.hideStates) {
        look.background = inputs.colours.unknown;
    } else if (inputs.colouring == TableInputs::StatesColouring) {
        const std::optional<qint16> now = state(index, inputs);
        look.background = now ? inputs.colours.forState(*now) : inputs.colours.unknown;
        // The letters stand for the legend of states, which a property map replaces.
        if (inputs.letters)
            look.letter = letters(inputs.language)[letterSlot(now)];
    } else {
        const auto property = maps::Property(inputs.colouring - 1);
        const std::optional<double> &value = values(property)[std::size_t(index)];
        look.background =
            value ? maps::viridis(maps::position(scale(property, inputs.elementCount), *value))
                  : inputs.colours.unknown;
    }
    if (quiz.flashing == index)
        look.background = quiz.flashColour;
    look.text = readableTextOn(look.background);
    // A quiz asks about the whole table; the search and the timeline wait till it ends.
    const bool standing = quiz.active || known(index, inputs);
    const bool hit = quiz.active || found(index, inputs);
    look.dimmed = !standing || !hit;
    look.marked = quiz.active ? index == quiz.marked || index == quiz.flashing
                              : !inputs.search.isEmpty() && standing && hit;
    look.captionHidden = quiz.symbolHidden && index == quiz.marked;
    look.focusRing = index == inputs.focused;
    look.hidden = index > inputs.elementCount;
    return look;
}
