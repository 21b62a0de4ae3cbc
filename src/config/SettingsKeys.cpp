// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/SettingsKeys.h"

namespace pse {

namespace {

// The comments are kept letter for letter, stray parenthesis and double blanks included, so that
// files saved by any release differ only in their values. "\xC3\x97" is the multiplication sign in
// UTF-8 and "\xC4\x8D" the letter c with caron, spelt out so that no compiler's idea of the source
// encoding can change them.
constexpr SettingsKey Keys[] = {
    {"AutoStart", KeyKind::Whole, &Settings::AutoStart, nullptr, nullptr,
     "# Automatsko pokretanje promjene temperature s programom.\n"
     "# Vrijednosti mogu biti: 1 - ukljuceno ili 0 - iskljuceno).",
     "# Automatic starting of temperature change with programme starting\n"
     "# The values can be: 1 - switched on or 0 - switched off"},
    {"AutoClose", KeyKind::Whole, &Settings::AutoClose, nullptr, nullptr,
     "# Automatski izlaz iz programa kad temperatura dosegne 'TempEnd'.\n"
     "# Vrijednosti mogu biti: 1 - ukljuceno ili 0 - iskljuceno).",
     "# Automatic exit from the programme when the temperature reaches its extreme\n"
     "# The values can be: 1 - switched on or 0 - switched off"},
    {"AutoScroll", KeyKind::Whole, &Settings::AutoScroll, nullptr, nullptr,
     "# Automatska listanje prozora s podacima o elementu.\n"
     "# Vrijednosti mogu biti: 1 - ukljuceno ili 0 - iskljuceno).",
     "# Automatic data paging in the window with the information about the element\n"
     "# The values can be: 1 - switched on or 0 - switched off"},
    {"TempStart", KeyKind::SweepNumber, nullptr, &Settings::TempStart, nullptr,
     "# Pocetna vrijednost temperature kod automatske promjene temperature.\n"
     "# Vrijednost moze biti od 1 do 6000 K.",
     "# The initial value of temperature with the automatic temperature change\n"
     "# The values can range from 1 - 1000 K"},
    {"TempEnd", KeyKind::SweepNumber, nullptr, &Settings::TempEnd, nullptr,
     "# Krajnja vrijednost temperature na kojoj se izlazi iz programa.\n"
     "# Vrijednosti se krecu od 1 do 6000 K i od 0 do -6000 K.",
     "# The final value of temperature when leaving the programme\n"
     "# The values can range from 1 to 6000 K or from 0 to -6000 K"},
    {"StepTemp", KeyKind::SweepNumber, nullptr, &Settings::StepTemp, nullptr,
     "# Brzina promjene temperature kod automatske promjene temperature.\n"
     "# Vrijednost koraka moze biti od 0 do 6000 K.",
     "# The speed of temperature change with the automatic temperature change\n"
     "# The values can range from 1 - 6000 K"},
    {"StepAtom", KeyKind::SweepNumber, nullptr, &Settings::StepAtom, nullptr,
     "# Vrijeme zadrzavanja elemenata kod automatske izmjene elemenata.\n"
     "# Odredjeni element moze biti na ekranu od 0 do 1000 sekundi.",
     "# The time of holding up of an element in the screen with the automatic temperature change\n"
     "# The element concerned can be in the screen from 0 to 1000 seconds"},
    {"Language", KeyKind::Whole, &Settings::Language, nullptr, nullptr,
     "# Odabir jezika za Periodni sustav elemenata.\n"
     "# 0 - Hrvatski, 1 - Engleski, 2 - Njemacki, 3 - Francuski, 4 - Talijanski",
     "# The choice of language for the Periodic table\n"
     "# 0 - Croatian, 1 - English, 2 - German, 3 - French, 4 - Italian"},
    {"R_Color", KeyKind::Gradient, nullptr, &Settings::R_Color, nullptr,
     "# Boja pozadine Periodnog sustava elemenata. Definiraju se\n"
     "# R = crvena, G = zelena i B = plava komponenta boje.\n"
     "# Prijelaz boje pozadine dobiva se upisivanjem vrijednosti:\n"
     "# up - za uzlazni niz, dn - za silazni niz ili broj od 0 do 255.",
     "# The colour of the background of Periodic Table of Elements\n"
     "# The values R (red), G (green) and B (blue) can be from 0 to 255,\n"
     "# and 'up' for the upward range\n"
     "# (the value of colour is 0 at the bottom of the screen and 255 at the top),\n"
     "# 'dn' for the downward range or a number from 0  to 255"},
    {"G_Color", KeyKind::Gradient, nullptr, &Settings::G_Color},
    {"B_Color", KeyKind::Gradient, nullptr, &Settings::B_Color},
    {"Background", KeyKind::Background, nullptr, &Settings::Background, nullptr,
     "# Periodni sustav elemenata moze imati i sliku kao pozadinu.\n"
     "# Minimalna velicina pozadinske slike je 715\xC3\x97"
     "465 piksela.\n"
     "# Ako se slika ne nalazi u istom direktoriju gdje je i Periodni sustav\n"
     "# potrebno je upisati cijelu stazu do slike (npr. C:\\Slike\\back.jpg)\n"
     "# Nista (ili False ili 0) iza znaka jednakosti znaci pozadinu bez slike.",
     "# The Periodic Table of Elements can also have a picture as the background.\n"
     "# The minimal size of the background picture is 715\xC3\x97"
     "465 pixels\n"
     "# If the picture is not in the same directory where the Periodic Table is,\n"
     "# it is necessary to enter the whole path up to the picture (e.g. c:\\picture\\back.jpg).\n"
     "# Nothing (or False or 0) after the sign of equality, means the background without picture"},
    {"RGBPlinovito", KeyKind::Colour, nullptr, nullptr, &Settings::RGBPlinovito,
     "# Boja botuna je ovisna o agregatnom stanju elementa i moze se\n"
     "# definirati posebna boja za svako agregatno stanje.\n"
     "# Vrijednosti R, G i B mogu biti od 0 do 255 gdje su\n"
     "# R = crvena, G = zelena, B = plava komponenta boje.\n"
     "\n"
     "# Plinovito agregatno stanje",
     "# The colour of the button depends on the physical state of element\n"
     "# The values R, G and B can be from 0 to 255, where the colour components are:\n"
     "#  R = red, G = green, B = blue\n"
     "\n"
     "# Gaseous"},
    {"RGBTekuce", KeyKind::Colour, nullptr, nullptr, &Settings::RGBTekuce,
     "# Tekuce agregatno stanje", "# Liquid"},
    {"RGBKruto", KeyKind::Colour, nullptr, nullptr, &Settings::RGBKruto, "# Kruto agregatno stanje",
     "# Solid"},
    {"RGBNepoznato", KeyKind::Colour, nullptr, nullptr, &Settings::RGBNepoznato,
     "# Nepoznato - podaci nisu poznati", "# Not-Known - data are not known"},
    {"RGBLantanoidi", KeyKind::Colour, nullptr, nullptr, &Settings::RGBLantanoidi,
     "# Boja botuna i okvira za lantanoide i aktinoide",
     "# The colour of button and frame for lanthanides and actinides"},
    {"RGBSkupine", KeyKind::Colour, nullptr, nullptr, &Settings::RGBSkupine,
     "# Boja znakova kojom su napisane skupine i periode",
     "# The colour of signs in which groups and periods are written"},
    {"RGBLegenda", KeyKind::Colour, nullptr, nullptr, &Settings::RGBLegenda,
     "# Boja znakova kojom je napisana legenda",
     "# The colour of signs in which the key is written"},
    {"Elements", KeyKind::Choice, &Settings::Elements, nullptr, nullptr,
     "# Broj elemenata u sustavu: 109 (do meitnerija) ili 118 (do oganesona).",
     "# The number of elements in the table: 109 (up to meitnerium) or 118 (up to oganesson)", true,
     118},
    {"Narration", KeyKind::Choice, &Settings::Narration, nullptr, nullptr,
     "# Opis promjena agregatnog stanja tijekom promjene temperature (Shift+F9): "
     "1 - uklju\xC4\x8D"
     "eno ili 0 - isklju\xC4\x8D"
     "eno.",
     "# Narration of melting and boiling while the temperature changes (Shift+F9): "
     "1 - switched on or 0 - switched off",
     true, 1},
};

// The reader matches a line by the key's letters at its start, so a key that began with another
// would make one line fill two fields.
constexpr bool noKeyStartsAnother()
{
    for (const SettingsKey &a : Keys) {
        for (const SettingsKey &b : Keys) {
            if (&a != &b && b.name.starts_with(a.name))
                return false;
        }
    }
    return true;
}
static_assert(noKeyStartsAnother());

// The writers put the extra keys after the original ones, each with its own comment line.
constexpr bool extraKeysAreChoicesWithComments()
{
    for (const SettingsKey &key : Keys) {
        if (key.extra != (key.kind == KeyKind::Choice) ||
            (key.extra && (!key.commentHR || !key.commentEN || !key.whole)))
            return false;
    }
    return true;
}
static_assert(extraKeysAreChoicesWithComments());

} // namespace

std::span<const SettingsKey> settingsKeys()
{
    return Keys;
}

const SettingsKey *findSettingsKey(std::string_view name)
{
    for (const SettingsKey &key : Keys) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

} // namespace pse
