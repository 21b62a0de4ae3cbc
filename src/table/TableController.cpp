// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/TableController.h"

#include "table/ElementGrid.h"
#include "ui/ElementButton.h"

TableController::TableController(ElementGrid &grid, const PropertyTables &tables, QObject *parent)
    : QObject(parent)
    , m_grid(grid)
    , m_look(tables)
{
    for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
        ElementButton *button = grid.button(i);
        connect(button, &ElementButton::focusChanged, this,
                [this, i](bool hasFocus) { setFocused(i, hasFocus); });
        connect(button, &QAbstractButton::clicked, this, [this, i] { click(i); });
    }
    update(m_inputs);
}

void TableController::update(const TableInputs &next)
{
    // Hiding a button that has the focus moves the focus on at once, which comes back here as a
    // new input while the buttons are still being given their looks; it is taken up after them.
    m_next = next;
    if (m_updating)
        return;
    m_updating = true;
    const TableInputs before = m_inputs;
    int changed = 0;
    do {
        m_inputs = m_next;
        for (int i = 0; i < ElementGrid::ButtonCount; ++i) {
            ElementButton *button = m_grid.button(i);
            const ButtonLook look = m_look.look(i, m_inputs);
            if (button->look() != look) {
                button->setLook(look);
                ++changed;
            }
        }
    } while (!(m_inputs == m_next));
    m_updating = false;
    m_lastRepaintCount = changed;
    const bool colouring = before.colouring != m_inputs.colouring;
    // The colour bar's ends are those of the elements in use.
    const bool legend = colouring || before.kelvinScale != m_inputs.kelvinScale ||
                        before.elementCount != m_inputs.elementCount;
    const bool search = before.search != m_inputs.search;
    if (legend) {
        m_grid.setLegendShown(m_inputs.colouring == TableInputs::StatesColouring);
        emit legendChanged();
    }
    if (colouring)
        emit colouringChanged(m_inputs.colouring);
    if (search)
        emit searchChanged(m_inputs.search);
    emit repainted();
}

void TableController::setElementCount(int count)
{
    TableInputs next = m_inputs;
    next.elementCount = count;
    update(next);
}

void TableController::setTemperature(int celsius)
{
    const int before = m_inputs.celsius;
    TableInputs next = m_inputs;
    next.celsius = celsius;
    update(next);
    if (m_narrating && celsius != before) {
        const auto points =
            narration::crossings(before, celsius, m_look.tables(), m_inputs.elementCount);
        if (!points.empty())
            emit crossed(points);
    }
}

void TableController::setNarrating(bool on)
{
    m_narrating = on;
}

void TableController::setKelvinScale(bool kelvin)
{
    TableInputs next = m_inputs;
    next.kelvinScale = kelvin;
    update(next);
}

void TableController::setStateColours(const StateColours &colours)
{
    TableInputs next = m_inputs;
    next.colours = colours;
    update(next);
}

void TableController::setLanguage(int languageIndex)
{
    TableInputs next = m_inputs;
    next.language = languageIndex;
    update(next);
}

void TableController::setColouring(int colouring)
{
    TableInputs next = m_inputs;
    next.colouring = std::clamp(colouring, 0, TableInputs::ColouringCount - 1);
    update(next);
}

void TableController::stepColouring(bool forward)
{
    const int count = TableInputs::ColouringCount;
    setColouring((m_inputs.colouring + (forward ? 1 : count - 1)) % count);
}

void TableController::toggleLetters()
{
    TableInputs next = m_inputs;
    next.letters = !next.letters;
    update(next);
}

void TableController::setQuiz(const QuizMarks &marks)
{
    TableInputs next = m_inputs;
    next.quiz = marks;
    update(next);
}

void TableController::setYear(std::optional<int> year)
{
    TableInputs next = m_inputs;
    next.year = year;
    update(next);
}

bool TableController::typeSearch(const QString &typed)
{
    TableInputs next = m_inputs;
    if (typed == u"\b") {
        if (next.search.isEmpty())
            return false;
        next.search.chop(1);
    } else if (typed.size() == 1 && typed.at(0).isLetter()) {
        next.search += typed;
    } else {
        return false;
    }
    update(next);
    return true;
}

void TableController::clearSearch()
{
    if (m_inputs.search.isEmpty())
        return;
    TableInputs next = m_inputs;
    next.search.clear();
    update(next);
}

bool TableController::moveFocus(Qt::Key arrow)
{
    if (m_inputs.focused < 0)
        return false;
    focusElement(ElementGrid::neighbour(m_inputs.focused, arrow, m_inputs.elementCount));
    return true;
}

void TableController::focusElement(int index)
{
    // The focus event reports the move back here; a window that is not active gets none, and the
    // ring must move all the same.
    setFocused(index, true);
    m_grid.button(index)->setFocus(Qt::TabFocusReason);
}

bool TableController::chooseWithKeyboard()
{
    if (!m_inputs.search.isEmpty()) {
        int first = -1;
        for (int i = 1; i <= m_inputs.elementCount && first < 0; ++i) {
            if (m_look.found(i, m_inputs) && m_look.known(i, m_inputs))
                first = i;
        }
        clearSearch();
        if (first >= 0)
            emit elementChosen(first);
        return true;
    }
    if (m_inputs.focused < 0)
        return false;
    emit elementChosen(m_inputs.focused);
    return true;
}

void TableController::click(int index)
{
    clearSearch();
    emit elementChosen(index);
}

void TableController::setFocused(int index, bool hasFocus)
{
    TableInputs next = m_inputs;
    if (hasFocus)
        next.focused = index;
    else if (next.focused == index)
        next.focused = -1;
    else
        return;
    update(next);
}
