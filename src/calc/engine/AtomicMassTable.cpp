// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/AtomicMassTable.h"

#include <algorithm>
#include <array>

namespace pse {
namespace {

// Relative atomic masses and the number of their significant decimals, by atomic number; the
// symbols come from the element data, the program's one list of them. Elements without stable
// isotopes carry the mass number of their longest-lived known isotope and 0 decimals. The masses
// of hydrogen to meitnerium are the values the program has always used for its molar masses;
// they are kept as they are so that results stay comparable with earlier releases. Darmstadtium
// to oganesson, known to formulas only with the full table, have the mass numbers of NUBASE2020
// (Chinese Physics C 45 (2021) 030001); tools/gen_element_table.py compares them with bodr and
// python3-periodictable.
struct MassRow
{
    double mass;
    short decimals; // significant decimals of the mass; 0 for a whole mass number
};

constexpr std::array<MassRow, fullElementCount> masses = {{
    {1.00794, 5},    // 1 H
    {4.002602, 6},   // 2 He
    {6.941, 3},      // 3 Li
    {9.012182, 6},   // 4 Be
    {10.811, 3},     // 5 B
    {12.0107, 4},    // 6 C
    {14.00674, 5},   // 7 N
    {15.9994, 4},    // 8 O
    {18.9984032, 7}, // 9 F
    {20.1797, 4},    // 10 Ne
    {22.98977, 6},   // 11 Na
    {24.305, 4},     // 12 Mg
    {26.981538, 6},  // 13 Al
    {28.0855, 4},    // 14 Si
    {30.973761, 6},  // 15 P
    {32.066, 3},     // 16 S
    {35.4527, 4},    // 17 Cl
    {39.948, 3},     // 18 Ar
    {39.0983, 4},    // 19 K
    {40.078, 3},     // 20 Ca
    {44.95591, 6},   // 21 Sc
    {47.867, 3},     // 22 Ti
    {50.9415, 4},    // 23 V
    {51.9961, 4},    // 24 Cr
    {54.938049, 6},  // 25 Mn
    {55.845, 3},     // 26 Fe
    {58.9332, 6},    // 27 Co
    {58.6934, 4},    // 28 Ni
    {63.546, 3},     // 29 Cu
    {65.39, 2},      // 30 Zn
    {69.723, 3},     // 31 Ga
    {72.61, 2},      // 32 Ge
    {74.9216, 5},    // 33 As
    {78.96, 2},      // 34 Se
    {79.904, 3},     // 35 Br
    {83.8, 2},       // 36 Kr
    {85.4678, 4},    // 37 Rb
    {87.62, 2},      // 38 Sr
    {88.90585, 5},   // 39 Y
    {91.224, 3},     // 40 Zr
    {92.90638, 5},   // 41 Nb
    {95.94, 2},      // 42 Mo
    {98.0, 0},       // 43 Tc
    {101.07, 2},     // 44 Ru
    {102.9055, 5},   // 45 Rh
    {106.42, 2},     // 46 Pd
    {107.8682, 4},   // 47 Ag
    {112.411, 3},    // 48 Cd
    {114.818, 3},    // 49 In
    {118.71, 3},     // 50 Sn
    {121.76, 3},     // 51 Sb
    {127.6, 2},      // 52 Te
    {126.90447, 5},  // 53 I
    {131.29, 2},     // 54 Xe
    {132.90545, 5},  // 55 Cs
    {137.327, 3},    // 56 Ba
    {138.9055, 4},   // 57 La
    {140.116, 3},    // 58 Ce
    {140.90765, 5},  // 59 Pr
    {144.24, 2},     // 60 Nd
    {145.0, 0},      // 61 Pm
    {150.36, 2},     // 62 Sm
    {151.964, 3},    // 63 Eu
    {157.25, 2},     // 64 Gd
    {158.92534, 5},  // 65 Tb
    {162.5, 2},      // 66 Dy
    {164.93032, 5},  // 67 Ho
    {167.26, 2},     // 68 Er
    {168.93421, 5},  // 69 Tm
    {173.04, 2},     // 70 Yb
    {174.967, 3},    // 71 Lu
    {178.49, 2},     // 72 Hf
    {180.9479, 4},   // 73 Ta
    {183.84, 2},     // 74 W
    {186.207, 3},    // 75 Re
    {190.23, 2},     // 76 Os
    {192.217, 3},    // 77 Ir
    {195.078, 3},    // 78 Pt
    {196.96655, 5},  // 79 Au
    {200.59, 2},     // 80 Hg
    {204.3833, 4},   // 81 Tl
    {207.2, 1},      // 82 Pb
    {208.98038, 5},  // 83 Bi
    {209.0, 0},      // 84 Po
    {210.0, 0},      // 85 At
    {222.0, 0},      // 86 Rn
    {223.0, 0},      // 87 Fr
    {226.0, 0},      // 88 Ra
    {227.0, 0},      // 89 Ac
    {232.0381, 4},   // 90 Th
    {231.03588, 5},  // 91 Pa
    {238.0289, 4},   // 92 U
    {237.0, 0},      // 93 Np
    {244.0, 0},      // 94 Pu
    {243.0, 0},      // 95 Am
    {247.0, 0},      // 96 Cm
    {247.0, 0},      // 97 Bk
    {251.0, 0},      // 98 Cf
    {252.0, 0},      // 99 Es
    {257.0, 0},      // 100 Fm
    {258.0, 0},      // 101 Md
    {259.0, 0},      // 102 No
    {262.0, 0},      // 103 Lr
    {261.0, 0},      // 104 Rf
    {262.0, 0},      // 105 Db
    {263.0, 0},      // 106 Sg
    {264.0, 0},      // 107 Bh
    {265.0, 0},      // 108 Hs
    {268.0, 0},      // 109 Mt
    {281.0, 0},      // 110 Ds
    {282.0, 0},      // 111 Rg
    {285.0, 0},      // 112 Cn
    {286.0, 0},      // 113 Nh
    {289.0, 0},      // 114 Fl
    {290.0, 0},      // 115 Mc
    {293.0, 0},      // 116 Lv
    {294.0, 0},      // 117 Ts
    {294.0, 0},      // 118 Og
}};

// Symbols are one upper-case letter, optionally followed by one lower-case letter: 26 x 27 slots
// make the lookup a single index.
constexpr int slotOf(char first, char second)
{
    return (first - 'A') * 27 + (second == '\0' ? 0 : second - 'a' + 1);
}

constexpr std::size_t slotCount = std::size_t{26} * 27;

// The rows with their symbols, and the row of each symbol's slot (-1 for none), made once from the
// element data on first use.
struct Tables
{
    std::array<AtomicMassEntry, fullElementCount> rows{};
    std::array<short, slotCount> index{};
};

const Tables &tables()
{
    static const Tables built = [] {
        Tables t;
        t.index.fill(-1);
        const std::span<const ElementRecord> elements = allElements(fullElementCount);
        for (std::size_t i = 0; i < t.rows.size(); ++i) {
            const std::string_view symbol = elements[i].symbol;
            t.rows[i] = {symbol, masses[i].mass, masses[i].decimals};
            t.index[static_cast<std::size_t>(
                slotOf(symbol[0], symbol.size() > 1 ? symbol[1] : '\0'))] = static_cast<short>(i);
        }
        return t;
    }();
    return built;
}

} // namespace

const AtomicMassEntry *findAtomicMass(std::string_view symbol, std::size_t elementCount)
{
    if (symbol.empty() || symbol.size() > 2 || symbol[0] < 'A' || symbol[0] > 'Z')
        return nullptr;
    const char second = symbol.size() > 1 ? symbol[1] : '\0';
    if (second != '\0' && (second < 'a' || second > 'z'))
        return nullptr;
    const Tables &t = tables();
    const short row = t.index[static_cast<std::size_t>(slotOf(symbol[0], second))];
    if (row < 0 || static_cast<std::size_t>(row) >= elementCount)
        return nullptr;
    return &t.rows[static_cast<std::size_t>(row)];
}

std::span<const AtomicMassEntry> atomicMassTable(std::size_t elementCount)
{
    return std::span(tables().rows).first(std::min(elementCount, fullElementCount));
}

} // namespace pse
