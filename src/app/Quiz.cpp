// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Quiz.h"

#include "app/RandomSource.h"
#include "elements/ElementDatabase.h"
#include "temperature/PropertyTables.h"
#include "temperature/StateOfMatter.h"

#include <numeric>

namespace quiz {

namespace {

// Elements from curium on have no melting or boiling point in the data.
constexpr int LastWithState = 95;
constexpr int HottestReading = 6000;

// The first `take` of `from`, in a random order.
std::vector<int> drawn(std::vector<int> from, std::size_t take, RandomSource &random)
{
    for (std::size_t i = 0; i < std::min(take, from.size()); ++i)
        std::swap(from[i], from[i + std::size_t(random.below(int(from.size() - i)))]);
    from.resize(std::min(take, from.size()));
    return from;
}

std::vector<int> numbers(int first, int last)
{
    std::vector<int> all(std::size_t(last - first + 1));
    std::iota(all.begin(), all.end(), first);
    return all;
}

// A property worth a clue: one the element has a value of, an antiquity's year being no year.
maps::Property clueFor(int z, const PropertyTables &tables, RandomSource &random)
{
    using maps::Property;
    std::vector<int> held;
    for (Property p : {Property::Density, Property::MeltingPoint, Property::BoilingPoint,
                       Property::Electronegativity, Property::AtomicRadius}) {
        if (maps::value(p, z, tables))
            held.push_back(int(p));
    }
    if (!held.empty())
        return Property(held[std::size_t(random.below(int(held.size())))]);
    const ElementRecord &record = allElements(fullElementCount)[std::size_t(z - 1)];
    return maps::discoveryYear(record) != maps::Antiquity ? Property::DiscoveryYear
                                                          : Property::AtomicMass;
}

} // namespace

std::optional<int> readingInState(int z, qint16 state, const PropertyTables &tables,
                                  RandomSource &random)
{
    const double melting = tables.meltingPoints[std::size_t(z)];
    const double boiling = tables.boilingPoints[std::size_t(z)];
    // Solid, liquid and gas follow each other upwards, so the readings of one state are one run.
    int first = -1;
    int last = -1;
    for (int kelvin = 0; kelvin <= HottestReading; ++kelvin) {
        if (stateAt(celsiusFromReading(kelvin, true), melting, boiling) != state)
            continue;
        if (first < 0)
            first = kelvin;
        last = kelvin;
    }
    if (first < 0)
        return std::nullopt;
    return first + random.below(last - first + 1);
}

Round::Round(Kind kind, RandomSource &random, const PropertyTables &tables, int elementCount)
    : m_kind(kind)
{
    const int last = kind == Kind::StateOf ? LastWithState : elementCount;
    for (int z : drawn(numbers(1, last), Length, random)) {
        Question q;
        q.z = z;
        if (kind == Kind::StateOf) {
            // Each state as likely as the others, as far as the element has it below 6000 K.
            std::vector<std::pair<qint16, int>> possible;
            for (qint16 state : {StateCode::Solid, StateCode::Liquid, StateCode::Gas}) {
                if (const auto kelvin = readingInState(z, state, tables, random))
                    possible.emplace_back(state, *kelvin);
            }
            const auto &[state, kelvin] = possible[std::size_t(random.below(int(possible.size())))];
            q.state = state;
            q.kelvin = kelvin;
        } else if (kind == Kind::WhichElement) {
            q.property = clueFor(z, tables, random);
            std::vector<int> others = numbers(1, elementCount);
            others.erase(others.begin() + (z - 1));
            const std::vector<int> wrong = drawn(others, 3, random);
            q.answer = random.below(4);
            for (std::size_t i = 0, w = 0; i < q.options.size(); ++i)
                q.options[i] = int(i) == q.answer ? z : wrong[w++];
        }
        m_questions.push_back(q);
    }
}

bool Round::answer(int choice)
{
    if (finished())
        return false;
    const Question &q = question();
    const bool right = m_kind == Kind::WhereIs   ? choice == q.z
                       : m_kind == Kind::StateOf ? choice == q.state
                                                 : choice == q.answer;
    ++m_asked;
    if (right)
        ++m_right;
    return right;
}

} // namespace quiz
