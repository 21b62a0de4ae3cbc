// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/Narration.h"
#include "table/TableLook.h"

#include <QObject>

class ElementGrid;

// The one owner of what the element buttons show. Every feature that changes the table's look
// (the temperature, a property map, a search, the timeline, the state letters, the keyboard focus,
// the settings' colours) changes one of its inputs, and every button then shows
// TableLook::look(its index, the inputs); only the buttons whose look changed are repainted, so a
// sweep tick that moves no element across a melting point costs almost nothing.
class TableController : public QObject
{
    Q_OBJECT

public:
    TableController(ElementGrid &grid, const PropertyTables &tables, QObject *parent = nullptr);

    const TableInputs &inputs() const { return m_inputs; }
    const TableLook &looks() const { return m_look; }

    // 109 elements, or the full table of 118.
    void setElementCount(int count);
    // A new temperature; while narrating, the melting and boiling points it crossed are told.
    void setTemperature(int celsius);
    void setNarrating(bool on);
    bool narrating() const { return m_narrating; }
    void setKelvinScale(bool kelvin);
    void setStateColours(const StateColours &colours);
    void setLanguage(int languageIndex);
    // StatesColouring or 1 + a maps::Property.
    void setColouring(int colouring);
    // The next or the previous colouring, round the list.
    void stepColouring(bool forward);
    void toggleLetters();
    // The timeline's year while it is open, nothing when it closes.
    void setYear(std::optional<int> year);
    void setQuiz(const QuizMarks &marks);

    // A key typed while no text box has the focus: a letter extends the search, "\b" takes one
    // back. Returns whether the search took the key.
    bool typeSearch(const QString &typed);
    void clearSearch();

    // The arrow keys: the focus moves to the neighbouring button in the table's geometry. False
    // when no element button has the focus, so that the key keeps its own meaning.
    bool moveFocus(Qt::Key arrow);
    void focusElement(int index);
    // Enter: while searching, the first element found is chosen and the search ends; otherwise
    // the element with the focus is chosen. False when there is neither.
    bool chooseWithKeyboard();
    // A click on an element button: it ends a search, and the element is chosen.
    void click(int index);

    // How many buttons the last change repainted, for the benchmarks and tests.
    int lastRepaintCount() const { return m_lastRepaintCount; }

signals:
    // An element to show (or, with the calculator open, to type), by button index.
    void elementChosen(int index);
    // The colouring or the thermometer's unit changed: the legend or the colour bar follows.
    void legendChanged();
    void colouringChanged(int colouring);
    void searchChanged(const QString &text);
    // Some buttons took a new look; the element tile copies its element's colour.
    void repainted();
    // The temperature crossed these points on its way, in the order it met them.
    void crossed(const std::vector<narration::Crossing> &crossings);

private:
    void update(const TableInputs &next);
    void setFocused(int index, bool hasFocus);

    ElementGrid &m_grid;
    TableLook m_look;
    TableInputs m_inputs;
    TableInputs m_next;
    bool m_updating = false;
    bool m_narrating = false;
    int m_lastRepaintCount = 0;
};
