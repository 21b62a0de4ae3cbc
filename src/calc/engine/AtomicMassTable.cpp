#include "calc/engine/AtomicMassTable.h"

#include <array>

namespace pse {
namespace {

// Relative atomic masses and the number of their significant decimals, in atomic-number order.
// Elements without stable isotopes carry the mass number of their longest-lived isotope and 0
// decimals. These are the values the program has always used for its molar masses; they are kept
// as they are so that results stay comparable with earlier releases.
constexpr std::array<AtomicMassEntry, 109> table = {{
    {"H", 1.00794, 5},    // 1
    {"He", 4.002602, 6},  // 2
    {"Li", 6.941, 3},     // 3
    {"Be", 9.012182, 6},  // 4
    {"B", 10.811, 3},     // 5
    {"C", 12.0107, 4},    // 6
    {"N", 14.00674, 5},   // 7
    {"O", 15.9994, 4},    // 8
    {"F", 18.9984032, 7}, // 9
    {"Ne", 20.1797, 4},   // 10
    {"Na", 22.98977, 6},  // 11
    {"Mg", 24.305, 4},    // 12
    {"Al", 26.981538, 6}, // 13
    {"Si", 28.0855, 4},   // 14
    {"P", 30.973761, 6},  // 15
    {"S", 32.066, 3},     // 16
    {"Cl", 35.4527, 4},   // 17
    {"Ar", 39.948, 3},    // 18
    {"K", 39.0983, 4},    // 19
    {"Ca", 40.078, 3},    // 20
    {"Sc", 44.95591, 6},  // 21
    {"Ti", 47.867, 3},    // 22
    {"V", 50.9415, 4},    // 23
    {"Cr", 51.9961, 4},   // 24
    {"Mn", 54.938049, 6}, // 25
    {"Fe", 55.845, 3},    // 26
    {"Co", 58.9332, 6},   // 27
    {"Ni", 58.6934, 4},   // 28
    {"Cu", 63.546, 3},    // 29
    {"Zn", 65.39, 2},     // 30
    {"Ga", 69.723, 3},    // 31
    {"Ge", 72.61, 2},     // 32
    {"As", 74.9216, 5},   // 33
    {"Se", 78.96, 2},     // 34
    {"Br", 79.904, 3},    // 35
    {"Kr", 83.8, 2},      // 36
    {"Rb", 85.4678, 4},   // 37
    {"Sr", 87.62, 2},     // 38
    {"Y", 88.90585, 5},   // 39
    {"Zr", 91.224, 3},    // 40
    {"Nb", 92.90638, 5},  // 41
    {"Mo", 95.94, 2},     // 42
    {"Tc", 98.0, 0},      // 43
    {"Ru", 101.07, 2},    // 44
    {"Rh", 102.9055, 5},  // 45
    {"Pd", 106.42, 2},    // 46
    {"Ag", 107.8682, 4},  // 47
    {"Cd", 112.411, 3},   // 48
    {"In", 114.818, 3},   // 49
    {"Sn", 118.71, 3},    // 50
    {"Sb", 121.76, 3},    // 51
    {"Te", 127.6, 2},     // 52
    {"I", 126.90447, 5},  // 53
    {"Xe", 131.29, 2},    // 54
    {"Cs", 132.90545, 5}, // 55
    {"Ba", 137.327, 3},   // 56
    {"La", 138.9055, 4},  // 57
    {"Ce", 140.116, 3},   // 58
    {"Pr", 140.90765, 5}, // 59
    {"Nd", 144.24, 2},    // 60
    {"Pm", 145.0, 0},     // 61
    {"Sm", 150.36, 2},    // 62
    {"Eu", 151.964, 3},   // 63
    {"Gd", 157.25, 2},    // 64
    {"Tb", 158.92534, 5}, // 65
    {"Dy", 162.5, 2},     // 66
    {"Ho", 164.93032, 5}, // 67
    {"Er", 167.26, 2},    // 68
    {"Tm", 168.93421, 5}, // 69
    {"Yb", 173.04, 2},    // 70
    {"Lu", 174.967, 3},   // 71
    {"Hf", 178.49, 2},    // 72
    {"Ta", 180.9479, 4},  // 73
    {"W", 183.84, 2},     // 74
    {"Re", 186.207, 3},   // 75
    {"Os", 190.23, 2},    // 76
    {"Ir", 192.217, 3},   // 77
    {"Pt", 195.078, 3},   // 78
    {"Au", 196.96655, 5}, // 79
    {"Hg", 200.59, 2},    // 80
    {"Tl", 204.3833, 4},  // 81
    {"Pb", 207.2, 1},     // 82
    {"Bi", 208.98038, 5}, // 83
    {"Po", 209.0, 0},     // 84
    {"At", 210.0, 0},     // 85
    {"Rn", 222.0, 0},     // 86
    {"Fr", 223.0, 0},     // 87
    {"Ra", 226.0, 0},     // 88
    {"Ac", 227.0, 0},     // 89
    {"Th", 232.0381, 4},  // 90
    {"Pa", 231.03588, 5}, // 91
    {"U", 238.0289, 4},   // 92
    {"Np", 237.0, 0},     // 93
    {"Pu", 244.0, 0},     // 94
    {"Am", 243.0, 0},     // 95
    {"Cm", 247.0, 0},     // 96
    {"Bk", 247.0, 0},     // 97
    {"Cf", 251.0, 0},     // 98
    {"Es", 252.0, 0},     // 99
    {"Fm", 257.0, 0},     // 100
    {"Md", 258.0, 0},     // 101
    {"No", 259.0, 0},     // 102
    {"Lr", 262.0, 0},     // 103
    {"Rf", 261.0, 0},     // 104
    {"Db", 262.0, 0},     // 105
    {"Sg", 263.0, 0},     // 106
    {"Bh", 264.0, 0},     // 107
    {"Hs", 265.0, 0},     // 108
    {"Mt", 268.0, 0},     // 109
}};
static_assert(table.size() == 109, "one row per element, hydrogen to meitnerium");

// Symbols are one upper-case letter, optionally followed by one lower-case letter: 26 x 27 slots
// make the lookup a single index.
constexpr int slotOf(char first, char second)
{
    return (first - 'A') * 27 + (second == '\0' ? 0 : second - 'a' + 1);
}

constexpr std::size_t slotCount = std::size_t{26} * 27;

constexpr std::array<short, slotCount> buildIndex()
{
    std::array<short, slotCount> index{};
    for (auto &slot : index)
        slot = -1;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string_view symbol = table[i].symbol;
        index[static_cast<std::size_t>(slotOf(symbol[0], symbol.size() > 1 ? symbol[1] : '\0'))] =
            static_cast<short>(i);
    }
    return index;
}

constexpr std::array<short, slotCount> symbolIndex = buildIndex();

} // namespace

const AtomicMassEntry *findAtomicMass(std::string_view symbol)
{
    if (symbol.empty() || symbol.size() > 2 || symbol[0] < 'A' || symbol[0] > 'Z')
        return nullptr;
    const char second = symbol.size() > 1 ? symbol[1] : '\0';
    if (second != '\0' && (second < 'a' || second > 'z'))
        return nullptr;
    const short row = symbolIndex[static_cast<std::size_t>(slotOf(symbol[0], second))];
    return row < 0 ? nullptr : &table[static_cast<std::size_t>(row)];
}

std::span<const AtomicMassEntry> atomicMassTable()
{
    return table;
}

} // namespace pse
