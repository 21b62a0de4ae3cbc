// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table/PropertyMaps.h"

#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

class RandomSource;
struct PropertyTables;

// A round of questions for the class, asked on the table itself. Nothing of it is kept after the
// round: no names, no results.
namespace quiz {

enum class Kind {
    // The question names an element; the class finds it in the table.
    WhereIs,
    // One element is marked at a temperature; solid, liquid or gas?
    StateOf,
    // An element's button is marked without its symbol, its atomic number and one property shown;
    // four names to choose from.
    WhichElement,
};
constexpr int KindCount = 3;

struct Question
{
    int z = 1;
    // StateOf: the thermometer's reading in kelvin, and the state at it (a StateCode).
    int kelvin = 0;
    qint16 state = 0;
    // WhichElement: the property shown beside the atomic number, and four atomic numbers of
    // which options[answer] is z.
    maps::Property property = maps::Property::Density;
    std::array<int, 4> options{};
    int answer = 0;
};

class Round
{
public:
    static constexpr int Length = 10;

    // Ten questions of one kind about different elements of the first `elementCount`, drawn
    // from the program's one random generator, so that a seeded generator replays a round.
    Round(Kind kind, RandomSource &random, const PropertyTables &tables, int elementCount);

    Kind kind() const { return m_kind; }
    const Question &question() const { return m_questions[std::size_t(m_asked)]; }
    // How many were answered, and how many of them right.
    int asked() const { return m_asked; }
    int right() const { return m_right; }
    bool finished() const { return m_asked == Length; }

    // The class's answer to the question standing: an atomic number (WhereIs), a StateCode
    // (StateOf) or an option 0..3 (WhichElement). Returns whether it was right; the round moves
    // on to the next question.
    bool answer(int choice);

private:
    Kind m_kind;
    std::vector<Question> m_questions;
    int m_asked = 0;
    int m_right = 0;
};

// The states an element of the first 95 can be asked about within the thermometer's 0..6000 K,
// and a reading in kelvin at which it is in `state`; nothing when it never is.
std::optional<int> readingInState(int z, qint16 state, const PropertyTables &tables,
                                  RandomSource &random);

} // namespace quiz
