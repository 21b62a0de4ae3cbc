#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes src/elements/ElementTable.cpp, the compiled-in data of the elements 1..118.

Run it from anywhere with Debian's system Python:

    /usr/bin/python3 tools/gen_element_table.py

Inputs (only needed when the table is regenerated; the build uses the committed output):
  - Debian package `bodr` (Blue Obelisk Data Repository, /usr/share/bodr/elements.xml):
    electron configurations, discovery years, covalent radii of the non-metals and noble gases,
    Pauling electronegativities.
  - Debian package `python3-periodictable`: densities of the solids and liquids, and the atomic
    masses used to turn them into molar volumes.
  - The tables below: names in five languages, discoverer entries with country codes, heats of
    fusion and vaporisation, thermal and electrical conductivities, metallic radii, gas densities
    and oxidation states, from general handbook values (CRC Handbook of Chemistry and Physics
    kind), plus corrections where bodr is wrong or incomplete.
  - Darmstadtium (110) to oganesson (118), which the program shows only when the full table is
    chosen: their names as IUPAC gave them (2003 to 2016) in the national chemical societies'
    spellings (Hrvatsko kemijsko društvo, GDCh, Société chimique de France, Società Chimica
    Italiana); the laboratories of discovery as the IUPAC/IUPAP Joint Working Party credited them
    (its reports in Pure and Applied Chemistry of 2001, 2003, 2009, 2011 and 2016); discovery
    years from bodr where it has the credited claim; electron configurations as calculated
    (relativistic predictions), since none of the nine has been measured.

Besides writing the table, the script compares it with the two packages, which are independent of
the hand-kept tables, and stops at any difference that is not listed with its reason (check()).

Python standard library only, besides periodictable itself.
"""

import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

import periodictable

BODR_ELEMENTS = "/usr/share/bodr/elements.xml"
HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "..", "src", "elements", "ElementTable.cpp")
# The calculator's atomic masses, kept by hand; check() compares the mass numbers of the elements
# after meitnerium with the packages.
ENGINE_MASSES = os.path.join(HERE, "..", "src", "calc", "engine", "AtomicMassTable.cpp")

# Atomic number order is the lookup order, so this list is the key column.
SYMBOLS = (
    "H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se "
    "Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm Sm Eu Gd Tb "
    "Dy Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th Pa U Np Pu Am Cm "
    "Bk Cf Es Fm Md No Lr Rf Db Sg Bh Hs Mt Ds Rg Cn Nh Fl Mc Lv Ts Og"
).split()
assert len(SYMBOLS) == 118
# The table the program shows by default ends at meitnerium.
CLASSIC_COUNT = 109

# symbol: (Croatian, English, German, French, Italian)
NAMES = {
    "H": ("Vodik", "Hydrogen", "Wasserstoff", "Hydrogène", "Idrogeno"),
    "He": ("Helij", "Helium", "Helium", "Hélium", "Elio"),
    "Li": ("Litij", "Lithium", "Lithium", "Lithium", "Litio"),
    "Be": ("Berilij", "Beryllium", "Beryllium", "Béryllium", "Berillio"),
    "B": ("Bor", "Boron", "Bor", "Bore", "Boro"),
    "C": ("Ugljik", "Carbon", "Kohlenstoff", "Carbone", "Carbonio"),
    "N": ("Dušik", "Nitrogen", "Stickstoff", "Azote", "Azoto"),
    "O": ("Kisik", "Oxygen", "Sauerstoff", "Oxygène", "Ossigeno"),
    "F": ("Fluor", "Fluorine", "Fluor", "Fluor", "Fluoro"),
    "Ne": ("Neon", "Neon", "Neon", "Néon", "Neon"),
    "Na": ("Natrij", "Sodium", "Natrium", "Sodium", "Sodio"),
    "Mg": ("Magnezij", "Magnesium", "Magnesium", "Magnésium", "Magnesio"),
    "Al": ("Aluminij", "Aluminium", "Aluminium", "Aluminium", "Alluminio"),
    "Si": ("Silicij", "Silicon", "Silicium", "Silicium", "Silicio"),
    "P": ("Fosfor", "Phosphorus", "Phosphor", "Phosphore", "Fosforo"),
    "S": ("Sumpor", "Sulfur", "Schwefel", "Soufre", "Zolfo"),
    "Cl": ("Klor", "Chlorine", "Chlor", "Chlore", "Cloro"),
    "Ar": ("Argon", "Argon", "Argon", "Argon", "Argon"),
    "K": ("Kalij", "Potassium", "Kalium", "Potassium", "Potassio"),
    "Ca": ("Kalcij", "Calcium", "Calcium", "Calcium", "Calcio"),
    "Sc": ("Skandij", "Scandium", "Scandium", "Scandium", "Scandio"),
    "Ti": ("Titanij", "Titanium", "Titan", "Titane", "Titanio"),
    "V": ("Vanadij", "Vanadium", "Vanadium", "Vanadium", "Vanadio"),
    "Cr": ("Krom", "Chromium", "Chrom", "Chrome", "Cromo"),
    "Mn": ("Mangan", "Manganese", "Mangan", "Manganèse", "Manganese"),
    "Fe": ("Željezo", "Iron", "Eisen", "Fer", "Ferro"),
    "Co": ("Kobalt", "Cobalt", "Cobalt", "Cobalt", "Cobalto"),
    "Ni": ("Nikal", "Nickel", "Nickel", "Nickel", "Nichel"),
    "Cu": ("Bakar", "Copper", "Kupfer", "Cuivre", "Rame"),
    "Zn": ("Cink", "Zinc", "Zink", "Zinc", "Zinco"),
    "Ga": ("Galij", "Gallium", "Gallium", "Gallium", "Gallio"),
    "Ge": ("Germanij", "Germanium", "Germanium", "Germanium", "Germanio"),
    "As": ("Arsen", "Arsenic", "Arsen", "Arsenic", "Arsenico"),
    "Se": ("Selenij", "Selenium", "Selen", "Sélénium", "Selenio"),
    "Br": ("Brom", "Bromine", "Brom", "Brome", "Bromo"),
    "Kr": ("Kripton", "Krypton", "Krypton", "Krypton", "Kripton"),
    "Rb": ("Rubidij", "Rubidium", "Rubidium", "Rubidium", "Rubidio"),
    "Sr": ("Stroncij", "Strontium", "Strontium", "Strontium", "Stronzio"),
    "Y": ("Itrij", "Yttrium", "Yttrium", "Yttrium", "Ittrio"),
    "Zr": ("Cirkonij", "Zirconium", "Zirconium", "Zirconium", "Zirconio"),
    "Nb": ("Niobij", "Niobium", "Niob", "Niobium", "Niobio"),
    "Mo": ("Molibden", "Molybdenum", "Molybdän", "Molybdène", "Molibdeno"),
    "Tc": ("Tehnecij", "Technetium", "Technetium", "Technétium", "Tecnezio"),
    "Ru": ("Rutenij", "Ruthenium", "Ruthenium", "Ruthénium", "Rutenio"),
    "Rh": ("Rodij", "Rhodium", "Rhodium", "Rhodium", "Rodio"),
    "Pd": ("Paladij", "Palladium", "Palladium", "Palladium", "Palladio"),
    "Ag": ("Srebro", "Silver", "Silber", "Argent", "Argento"),
    "Cd": ("Kadmij", "Cadmium", "Cadmium", "Cadmium", "Cadmio"),
    "In": ("Indij", "Indium", "Indium", "Indium", "Indio"),
    "Sn": ("Kositar", "Tin", "Zinn", "Étain", "Stagno"),
    "Sb": ("Antimon", "Antimony", "Antimon", "Antimoine", "Antimonio"),
    "Te": ("Telurij", "Tellurium", "Tellur", "Tellure", "Tellurio"),
    "I": ("Jod", "Iodine", "Iod", "Iode", "Iodio"),
    "Xe": ("Ksenon", "Xenon", "Xenon", "Xénon", "Xeno"),
    "Cs": ("Cezij", "Caesium", "Caesium", "Césium", "Cesio"),
    "Ba": ("Barij", "Barium", "Barium", "Baryum", "Bario"),
    "La": ("Lantan", "Lanthanum", "Lanthan", "Lanthane", "Lantanio"),
    "Ce": ("Cerij", "Cerium", "Cer", "Cérium", "Cerio"),
    "Pr": ("Prazeodimij", "Praseodymium", "Praseodym", "Praséodyme", "Praseodimio"),
    "Nd": ("Neodimij", "Neodymium", "Neodym", "Néodyme", "Neodimio"),
    "Pm": ("Prometij", "Promethium", "Promethium", "Prométhium", "Promezio"),
    "Sm": ("Samarij", "Samarium", "Samarium", "Samarium", "Samario"),
    "Eu": ("Europij", "Europium", "Europium", "Europium", "Europio"),
    "Gd": ("Gadolinij", "Gadolinium", "Gadolinium", "Gadolinium", "Gadolinio"),
    "Tb": ("Terbij", "Terbium", "Terbium", "Terbium", "Terbio"),
    "Dy": ("Disprozij", "Dysprosium", "Dysprosium", "Dysprosium", "Disprosio"),
    "Ho": ("Holmij", "Holmium", "Holmium", "Holmium", "Olmio"),
    "Er": ("Erbij", "Erbium", "Erbium", "Erbium", "Erbio"),
    "Tm": ("Tulij", "Thulium", "Thulium", "Thulium", "Tulio"),
    "Yb": ("Iterbij", "Ytterbium", "Ytterbium", "Ytterbium", "Itterbio"),
    "Lu": ("Lutecij", "Lutetium", "Lutetium", "Lutécium", "Lutezio"),
    "Hf": ("Hafnij", "Hafnium", "Hafnium", "Hafnium", "Afnio"),
    "Ta": ("Tantal", "Tantalum", "Tantal", "Tantale", "Tantalio"),
    "W": ("Volfram", "Tungsten", "Wolfram", "Tungstène", "Tungsteno"),
    "Re": ("Renij", "Rhenium", "Rhenium", "Rhénium", "Renio"),
    "Os": ("Osmij", "Osmium", "Osmium", "Osmium", "Osmio"),
    "Ir": ("Iridij", "Iridium", "Iridium", "Iridium", "Iridio"),
    "Pt": ("Platina", "Platinum", "Platin", "Platine", "Platino"),
    "Au": ("Zlato", "Gold", "Gold", "Or", "Oro"),
    "Hg": ("Živa", "Mercury", "Quecksilber", "Mercure", "Mercurio"),
    "Tl": ("Talij", "Thallium", "Thallium", "Thallium", "Tallio"),
    "Pb": ("Olovo", "Lead", "Blei", "Plomb", "Piombo"),
    "Bi": ("Bizmut", "Bismuth", "Bismut", "Bismuth", "Bismuto"),
    "Po": ("Polonij", "Polonium", "Polonium", "Polonium", "Polonio"),
    "At": ("Astat", "Astatine", "Astat", "Astate", "Astato"),
    "Rn": ("Radon", "Radon", "Radon", "Radon", "Radon"),
    "Fr": ("Francij", "Francium", "Francium", "Francium", "Francio"),
    "Ra": ("Radij", "Radium", "Radium", "Radium", "Radio"),
    "Ac": ("Aktinij", "Actinium", "Actinium", "Actinium", "Attinio"),
    "Th": ("Torij", "Thorium", "Thorium", "Thorium", "Torio"),
    "Pa": ("Protaktinij", "Protactinium", "Protactinium", "Protactinium", "Protoattinio"),
    "U": ("Uranij", "Uranium", "Uran", "Uranium", "Uranio"),
    "Np": ("Neptunij", "Neptunium", "Neptunium", "Neptunium", "Nettunio"),
    "Pu": ("Plutonij", "Plutonium", "Plutonium", "Plutonium", "Plutonio"),
    "Am": ("Americij", "Americium", "Americium", "Américium", "Americio"),
    "Cm": ("Kirij", "Curium", "Curium", "Curium", "Curio"),
    "Bk": ("Berkelij", "Berkelium", "Berkelium", "Berkélium", "Berkelio"),
    "Cf": ("Kalifornij", "Californium", "Californium", "Californium", "Californio"),
    "Es": ("Einsteinij", "Einsteinium", "Einsteinium", "Einsteinium", "Einsteinio"),
    "Fm": ("Fermij", "Fermium", "Fermium", "Fermium", "Fermio"),
    "Md": ("Mendelevij", "Mendelevium", "Mendelevium", "Mendélévium", "Mendelevio"),
    "No": ("Nobelij", "Nobelium", "Nobelium", "Nobélium", "Nobelio"),
    "Lr": ("Lorencij", "Lawrencium", "Lawrencium", "Lawrencium", "Laurenzio"),
    "Rf": ("Rutherfordij", "Rutherfordium", "Rutherfordium", "Rutherfordium", "Rutherfordio"),
    "Db": ("Dubnij", "Dubnium", "Dubnium", "Dubnium", "Dubnio"),
    "Sg": ("Seaborgij", "Seaborgium", "Seaborgium", "Seaborgium", "Seaborgio"),
    "Bh": ("Bohrij", "Bohrium", "Bohrium", "Bohrium", "Bohrio"),
    "Hs": ("Hasij", "Hassium", "Hassium", "Hassium", "Hassio"),
    "Mt": ("Meitnerij", "Meitnerium", "Meitnerium", "Meitnerium", "Meitnerio"),
    "Ds": ("Darmstadtij", "Darmstadtium", "Darmstadtium", "Darmstadtium", "Darmstadtio"),
    "Rg": ("Rendgenij", "Roentgenium", "Roentgenium", "Roentgenium", "Roentgenio"),
    "Cn": ("Kopernicij", "Copernicium", "Copernicium", "Copernicium", "Copernicio"),
    "Nh": ("Nihonij", "Nihonium", "Nihonium", "Nihonium", "Nihonio"),
    "Fl": ("Flerovij", "Flerovium", "Flerovium", "Flérovium", "Flerovio"),
    "Mc": ("Moskovij", "Moscovium", "Moscovium", "Moscovium", "Moscovio"),
    "Lv": ("Livermorij", "Livermorium", "Livermorium", "Livermorium", "Livermorio"),
    "Ts": ("Tenes", "Tennessine", "Tenness", "Tennesse", "Tennesso"),
    "Og": ("Oganeson", "Oganesson", "Oganesson", "Oganesson", "Oganesson"),
}

GSI = "Peter Armbruster, Gottfried Münzenberg, GSI Darmstadt (D)"
DUBNA_BERKELEY = "Georgy Flyorov (RUS), JINR Dubna (RUS), Albert Ghiorso (USA), LBL Berkeley (USA)"
# From darmstadtium on, IUPAC credits laboratories and collaborations, not persons.
GSI_LAB = "GSI Darmstadt (D)"
DUBNA_LIVERMORE = "JINR Dubna (RUS), LLNL Livermore (USA)"
DUBNA_LIVERMORE_OAK_RIDGE = DUBNA_LIVERMORE + ", ORNL Oak Ridge (USA)"

# Discoverer entries, "Name (country)" joined by ", ". bodr lists the names, but without country
# codes of this form, with several wrong attributions and nothing for some elements, so the entries
# are kept here. Elements known in antiquity or without an attributed discoverer are absent.
DISCOVERERS = {
    "H": "Hon. Henry Cavendish (GBR)",
    "He": "Sir William Ramsay (GBR), Per Teodor Cleve (S), Nils Abraham Langlet (S)",
    "Li": "Johan August Arfwedson (S)",
    "Be": "Louis-Nicolas Vauquelin (F)",
    "B": "Joseph Louis Gay-Lussac (F), Louis Jacques Thénard (F), Sir Humphry Davy (GBR)",
    "N": "Daniel Rutherford (GBR)",
    "O": "Joseph Priestley (GBR), Carl Wilhelm Scheele (S)",
    "F": "Henri Moissan (F)",
    "Ne": "Sir William Ramsay (GBR), Morris William Travers (GBR)",
    "Na": "Sir Humphry Davy (GBR)",
    "Mg": "Sir Humphry Davy (GBR)",
    "Al": "Hans Christian Ørsted (DK)",
    "Si": "Jöns Jacob Berzelius (S)",
    "P": "Hennig Brand (D)",
    "Cl": "Carl Wilhelm Scheele (S)",
    "Ar": "Lord Rayleigh (GBR), Sir William Ramsay (GBR)",
    "K": "Sir Humphry Davy (GBR)",
    "Ca": "Sir Humphry Davy (GBR)",
    "Sc": "Lars Fredrik Nilson (S)",
    "Ti": "William Gregor (GBR)",
    "V": "Nils Gabriel Sefström (S)",
    "Cr": "Louis-Nicolas Vauquelin (F)",
    "Mn": "Carl Wilhelm Scheele (S), Johan Gottlieb Gahn (S)",
    "Co": "Georg Brandt (S)",
    "Ni": "Axel Fredrik Cronstedt (S)",
    "Zn": "Andreas Sigismund Marggraf (D)",
    "Ga": "Paul-Émile Lecoq de Boisbaudran (F)",
    "Ge": "Clemens Winkler (D)",
    "As": "Albertus Magnus (D)",
    "Se": "Jöns Jacob Berzelius (S)",
    "Br": "Antoine Jérôme Balard (F)",
    "Kr": "Sir William Ramsay (GBR), Morris William Travers (GBR)",
    "Rb": "Robert Bunsen (D), Gustav Kirchhoff (D)",
    "Sr": "Adair Crawford (GBR)",
    "Y": "Johan Gadolin (FIN)",
    "Zr": "Martin Heinrich Klaproth (D)",
    "Nb": "Charles Hatchett (GBR)",
    "Mo": "Carl Wilhelm Scheele (S)",
    "Tc": "Carlo Perrier (I), Emilio Segrè (I)",
    "Ru": "Karl Ernst Claus (RUS)",
    "Rh": "William Hyde Wollaston (GBR)",
    "Pd": "William Hyde Wollaston (GBR)",
    "Cd": "Friedrich Stromeyer (D)",
    "In": "Ferdinand Reich (D), Hieronymus Theodor Richter (D)",
    "Te": "Franz-Joseph Müller von Reichenstein (A)",
    "I": "Bernard Courtois (F)",
    "Xe": "Sir William Ramsay (GBR), Morris William Travers (GBR)",
    "Cs": "Robert Bunsen (D), Gustav Kirchhoff (D)",
    "Ba": "Sir Humphry Davy (GBR)",
    "La": "Carl Gustaf Mosander (S)",
    "Ce": "Jöns Jacob Berzelius (S), Wilhelm Hisinger (S), Martin Heinrich Klaproth (D)",
    "Pr": "Carl Auer von Welsbach (A)",
    "Nd": "Carl Auer von Welsbach (A)",
    "Pm": "Jacob A. Marinsky (USA), Lawrence E. Glendenin (USA), Charles D. Coryell (USA)",
    "Sm": "Paul-Émile Lecoq de Boisbaudran (F)",
    "Eu": "Eugène-Anatole Demarçay (F)",
    "Gd": "Jean Charles Galissard de Marignac (CH)",
    "Tb": "Carl Gustaf Mosander (S)",
    "Dy": "Paul-Émile Lecoq de Boisbaudran (F)",
    "Ho": "Marc Delafontaine (CH), Jacques-Louis Soret (CH), Per Teodor Cleve (S)",
    "Er": "Carl Gustaf Mosander (S)",
    "Tm": "Per Teodor Cleve (S)",
    "Yb": "Jean Charles Galissard de Marignac (CH)",
    "Lu": "Georges Urbain (F), Carl Auer von Welsbach (A)",
    "Hf": "Dirk Coster (NL), George de Hevesy (H)",
    "Ta": "Anders Gustaf Ekeberg (S)",
    "W": "Juan José Elhuyar (E), Fausto Elhuyar (E)",
    "Re": "Walter Noddack (D), Ida Tacke (D), Otto Berg (D)",
    "Os": "Smithson Tennant (GBR)",
    "Ir": "Smithson Tennant (GBR)",
    "Pt": "Antonio de Ulloa (E)",
    "Tl": "Sir William Crookes (GBR)",
    "Bi": "Claude François Geoffroy (F)",
    "Po": "Marie Skłodowska-Curie (F), Pierre Curie (F)",
    "At": "Dale R. Corson (USA), Kenneth R. MacKenzie (USA), Emilio Segrè (USA)",
    "Rn": "Friedrich Ernst Dorn (D)",
    "Fr": "Marguerite Perey (F)",
    "Ra": "Marie Skłodowska-Curie (F), Pierre Curie (F)",
    "Ac": "André-Louis Debierne (F)",
    "Th": "Jöns Jacob Berzelius (S)",
    "Pa": "Otto Hahn (D), Lise Meitner (D)",
    "U": "Martin Heinrich Klaproth (D)",
    "Np": "Edwin M. McMillan (USA), Philip H. Abelson (USA)",
    "Pu": "Glenn T. Seaborg (USA), Edwin M. McMillan (USA), Joseph W. Kennedy (USA), "
    "Arthur C. Wahl (USA)",
    "Am": "Glenn T. Seaborg (USA), Ralph A. James (USA), Leon O. Morgan (USA), "
    "Albert Ghiorso (USA)",
    "Cm": "Glenn T. Seaborg (USA), Ralph A. James (USA), Albert Ghiorso (USA)",
    "Bk": "Glenn T. Seaborg (USA), Stanley G. Thompson (USA), Albert Ghiorso (USA)",
    "Cf": "Stanley G. Thompson (USA), Kenneth Street Jr. (USA), Albert Ghiorso (USA), "
    "Glenn T. Seaborg (USA)",
    "Es": "Albert Ghiorso (USA)",
    "Fm": "Albert Ghiorso (USA)",
    "Md": "Albert Ghiorso (USA), Bernard G. Harvey (USA), Gregory R. Choppin (USA), "
    "Stanley G. Thompson (USA), Glenn T. Seaborg (USA)",
    "No": "Albert Ghiorso (USA), Torbjørn Sikkeland (USA), John R. Walton (USA), "
    "Glenn T. Seaborg (USA)",
    "Lr": "Albert Ghiorso (USA), Torbjørn Sikkeland (USA), Almon E. Larsh (USA), "
    "Robert M. Latimer (USA)",
    "Rf": DUBNA_BERKELEY,
    "Db": DUBNA_BERKELEY,
    "Sg": "Albert Ghiorso (USA), E. Kenneth Hulet (USA), LBL Berkeley (USA)",
    "Bh": GSI,
    "Hs": GSI,
    "Mt": GSI,
    "Ds": GSI_LAB,
    "Rg": GSI_LAB,
    "Cn": GSI_LAB,
    "Nh": "RIKEN Wako (J)",
    "Fl": DUBNA_LIVERMORE,
    "Mc": DUBNA_LIVERMORE_OAK_RIDGE,
    "Lv": DUBNA_LIVERMORE,
    "Ts": DUBNA_LIVERMORE_OAK_RIDGE,
    "Og": DUBNA_LIVERMORE,
}

# Years before the common era for the metals of antiquity (bodr only says "ancient").
# Carbon and sulfur have no year at all.
ANCIENT_YEARS = {
    "Fe": 2500,
    "Cu": 9000,
    "Ag": 3000,
    "Sn": 3500,
    "Sb": 3000,
    "Au": 3000,
    "Hg": 1500,
    "Pb": 3500,
}

# Discovery years where bodr disagrees with the usual historical account or has none.
YEAR_FIXES = {
    "Be": 1798,
    "Si": 1824,
    "Co": 1735,
    "As": 1250,
    "Bi": 1753,
    "Rn": 1900,
    "Am": 1944,
    "Fm": 1952,
    # bodr's 2003 is the Dubna claim that IUPAC did not accept; RIKEN's first atom was made in 2004.
    "Nh": 2004,
    # bodr has none: the Dubna, Oak Ridge and Livermore report of 2010.
    "Ts": 2010,
}

# Configurations bodr has wrong or lacks, in its own notation (core symbol without brackets).
CONFIG_FIXES = {
    "Nb": "Kr 4d4 5s1",
    "Tc": "Kr 4d5 5s2",
    "Sg": "Rn 5f14 6d4 7s2",
    "Bh": "Rn 5f14 6d5 7s2",
    "Hs": "Rn 5f14 6d6 7s2",
    "Mt": "Rn 5f14 6d7 7s2",
    "Ds": "Rn 5f14 6d8 7s2",
    "Rg": "Rn 5f14 6d9 7s2",
    "Cn": "Rn 5f14 6d10 7s2",
    "Nh": "Rn 5f14 6d10 7s2 7p1",
    "Fl": "Rn 5f14 6d10 7s2 7p2",
    "Mc": "Rn 5f14 6d10 7s2 7p3",
    "Lv": "Rn 5f14 6d10 7s2 7p4",
    "Ts": "Rn 5f14 6d10 7s2 7p5",
    "Og": "Rn 5f14 6d10 7s2 7p6",
}

# Configurations that are calculated, not measured: the panel marks them as predicted. Only the
# elements beyond the default table carry the mark, so that the 109-element table reads as before.
PREDICTED_CONFIGS = set(SYMBOLS[CLASSIC_COUNT:])

# Pauling electronegativities bodr lacks (estimates as usually tabulated).
ELECTRONEGATIVITY_FILLS = {
    "Pm": "1.13",
    "Eu": "1.2",
    "Tb": "1.1",
    "Yb": "1.1",
    "Lr": "1.3",
}

NOBLE_GASES = {"He", "Ne", "Ar", "Kr", "Xe", "Rn"}

# Metallic radii (pm, coordination number 12) for the metals; non-metals, metalloids and the
# noble gases take bodr's covalent radius instead.
METALLIC_RADII = {
    "Li": "152", "Be": "112", "Na": "186", "Mg": "160", "Al": "143", "K": "227", "Ca": "197",
    "Sc": "162", "Ti": "147", "V": "134", "Cr": "128", "Mn": "127", "Fe": "126", "Co": "125",
    "Ni": "124", "Cu": "128", "Zn": "134", "Ga": "135", "Rb": "248", "Sr": "215", "Y": "180",
    "Zr": "160", "Nb": "146", "Mo": "139", "Tc": "136", "Ru": "134", "Rh": "134", "Pd": "137",
    "Ag": "144", "Cd": "151", "In": "167", "Sn": "158", "Cs": "265", "Ba": "222", "La": "187",
    "Ce": "182", "Pr": "182", "Nd": "181", "Pm": "183", "Sm": "180", "Eu": "204", "Gd": "180",
    "Tb": "178", "Dy": "177", "Ho": "176", "Er": "175", "Tm": "175", "Yb": "194", "Lu": "173",
    "Hf": "159", "Ta": "146", "W": "139", "Re": "137", "Os": "135", "Ir": "136", "Pt": "139",
    "Au": "144", "Hg": "151", "Tl": "170", "Pb": "175", "Bi": "170", "Po": "176", "At": "145",
    "Fr": "270", "Ra": "223", "Ac": "188", "Th": "180", "Pa": "163", "U": "156", "Np": "155",
    "Pu": "159", "Am": "173", "Cm": "174", "Bk": "170", "Cf": "169", "Es": "186",
}

# Handbook values per element: heat of fusion and of vaporisation (kJ/mol), thermal conductivity
# (W/(m K), near 300 K), electrical conductivity (S/m, near 20 °C, 0 for the gases and where no
# value is known), oxidation states. None of the curium-and-later elements has measured heats or
# conductivities.
HANDBOOK = {
    #       fusion    vaporis.  thermal    electrical  oxidation states
    "H": ("0.12", "0.46", "0.183", "0", "-1 +1"),
    "He": ("0.0138", "0.0829", "0.1513", "0", "0"),
    "Li": ("3", "147.1", "84.8", "1.08e7", "+1"),
    "Be": ("7.895", "297", "200", "3.13e7", "+2"),
    "B": ("50.2", "480", "27", "5.56e-5", "+3"),
    "C": ("105", "710.9", "5.7", "72700", "-4 +2 +4"),
    "N": ("0.72", "5.57", "0.02583", "0", "±3 ±2 ±1 +4 +5"),
    "O": ("0.444", "6.82", "0.02658", "0", "-2"),
    "F": ("0.51", "6.62", "0.0277", "0", "-1"),
    "Ne": ("0.335", "1.71", "0.0491", "0", "0"),
    "Na": ("2.6", "97.42", "141", "2.1e7", "+1"),
    "Mg": ("8.48", "128", "156", "2.27e7", "+2"),
    "Al": ("10.71", "294", "237", "3.77e7", "+3"),
    "Si": ("50.21", "359", "148", "4.35e-4", "-4 +4"),
    "P": ("0.66", "12.4", "0.236", "1e-9", "±3 +5"),
    "S": ("1.72", "45", "0.205", "5e-16", "-2 +4 +6"),
    "Cl": ("6.4", "20.41", "0.0089", "0", "±1 +3 +5 +7"),
    "Ar": ("1.18", "6.43", "0.01772", "0", "0"),
    "K": ("2.33", "76.9", "102.5", "1.39e7", "+1"),
    "Ca": ("8.54", "154.7", "201", "2.98e7", "+2"),
    "Sc": ("14.1", "332.7", "15.8", "1.8e6", "+3"),
    "Ti": ("14.15", "425", "21.9", "2.38e6", "+2 +3 +4"),
    "V": ("21.5", "444", "30.7", "4.89e6", "+2 +3 +4 +5"),
    "Cr": ("21", "339.5", "93.7", "7.74e6", "+2 +3 +6"),
    "Mn": ("12.91", "221", "7.82", "6.94e5", "+2 +3 +4 +6 +7"),
    "Fe": ("13.81", "340", "80.2", "1.03e7", "+2 +3"),
    "Co": ("16.06", "377", "100", "1.72e7", "+2 +3"),
    "Ni": ("17.48", "377.5", "90.9", "1.43e7", "+2 +3"),
    "Cu": ("13.26", "300.4", "401", "5.96e7", "+1 +2"),
    "Zn": ("7.32", "115.3", "116", "1.69e7", "+2"),
    "Ga": ("5.59", "254", "40.6", "7.1e6", "+3"),
    "Ge": ("36.94", "334", "59.9", "2.17", "+2 +4"),
    "As": ("24.44", "34.76", "50", "3e6", "±3 +5"),
    "Se": ("6.69", "95.48", "2.04", "1e-4", "-2 +4 +6"),
    "Br": ("10.57", "29.96", "0.122", "1e-10", "±1 +5"),
    "Kr": ("1.64", "9.08", "0.00949", "0", "0"),
    "Rb": ("2.19", "75.77", "58.2", "8.3e6", "+1"),
    "Sr": ("7.43", "136.9", "35.3", "7.62e6", "+2"),
    "Y": ("11.42", "365", "17.2", "1.66e6", "+3"),
    "Zr": ("21", "573.2", "22.7", "2.36e6", "+4"),
    "Nb": ("30", "689.9", "53.7", "6.93e6", "+3 +5"),
    "Mo": ("37.48", "598", "138", "1.87e7", "+2 +3 +4 +5 +6"),
    "Tc": ("33.29", "585.2", "50.6", "6.7e6", "+4 +6 +7"),
    "Ru": ("38.59", "591.6", "117", "1.37e7", "+2 +3 +4 +6 +8"),
    "Rh": ("26.59", "494", "150", "2.08e7", "+2 +3 +4"),
    "Pd": ("16.74", "362", "71.8", "9.52e6", "+2 +4"),
    "Ag": ("11.28", "250.58", "429", "6.3e7", "+1"),
    "Cd": ("6.21", "99.87", "96.8", "1.38e7", "+2"),
    "In": ("3.281", "231.8", "81.6", "1.16e7", "+3"),
    "Sn": ("7.03", "296.1", "66.6", "9.17e6", "+2 +4"),
    "Sb": ("19.79", "193.43", "24.3", "2.88e6", "±3 +5"),
    "Te": ("17.49", "114.1", "2.35", "1e4", "-2 +4 +6"),
    "I": ("15.52", "41.57", "0.449", "7.7e-8", "±1 +5 +7"),
    "Xe": ("2.27", "12.64", "0.00569", "0", "0"),
    "Cs": ("2.09", "63.9", "35.9", "4.89e6", "+1"),
    "Ba": ("7.12", "140.3", "18.4", "2.9e6", "+2"),
    "La": ("6.2", "402.1", "13.5", "1.6e6", "+3"),
    "Ce": ("5.46", "398", "11.4", "1.35e6", "+3 +4"),
    "Pr": ("6.89", "331", "12.5", "1.42e6", "+3 +4"),
    "Nd": ("7.14", "289", "16.5", "1.55e6", "+3"),
    "Pm": ("7.7", "289", "17.9", "1.33e6", "+3"),
    "Sm": ("8.62", "192", "13.3", "1.06e6", "+2 +3"),
    "Eu": ("9.21", "176", "13.9", "1.12e6", "+2 +3"),
    "Gd": ("10.05", "301.3", "10.6", "7.36e5", "+3"),
    "Tb": ("10.15", "391", "11.1", "8.9e5", "+3 +4"),
    "Dy": ("11.06", "280", "10.7", "1.08e6", "+3"),
    "Ho": ("17", "251", "16.2", "1.24e6", "+3"),
    "Er": ("19.9", "280", "14.3", "1.17e6", "+3"),
    "Tm": ("16.84", "247", "16.8", "1.48e6", "+2 +3"),
    "Yb": ("7.66", "128.9", "34.9", "3.51e6", "+2 +3"),
    "Lu": ("22", "355.9", "16.4", "1.72e6", "+3"),
    "Hf": ("27.2", "571", "23", "3.3e6", "+4"),
    "Ta": ("36.57", "732.8", "57.5", "7.61e6", "+5"),
    "W": ("52.31", "806.7", "174", "1.89e7", "+2 +3 +4 +5 +6"),
    "Re": ("60.43", "704", "47.9", "5.42e6", "-1 +2 +4 +6 +7"),
    "Os": ("57.85", "738", "87.6", "1.1e7", "+2 +3 +4 +6 +8"),
    "Ir": ("41.12", "563", "147", "2.12e7", "+2 +3 +4 +6"),
    "Pt": ("22.17", "469", "71.6", "9.43e6", "+2 +4"),
    "Au": ("12.55", "334.4", "317", "4.52e7", "+1 +3"),
    "Hg": ("2.331", "59.11", "8.34", "1.04e6", "+1 +2"),
    "Tl": ("4.14", "165", "46.1", "6.67e6", "+1 +3"),
    "Pb": ("4.77", "179.5", "35.3", "4.81e6", "+2 +4"),
    "Bi": ("11.3", "151", "7.87", "8.67e5", "+3 +5"),
    "Po": ("13", "102.91", "20", "2.19e6", "+2 +4"),
    "At": ("6", "40", "1.7", "0", "±1 +3 +5 +7"),
    "Rn": ("3.247", "18.1", "0.00361", "0", "0"),
    "Fr": ("2", "65", "15", "0", "+1"),
    "Ra": ("8.5", "113", "18.6", "1e6", "+2"),
    "Ac": ("14", "400", "12", "0", "+3"),
    "Th": ("13.81", "514", "54", "6.53e6", "+4"),
    "Pa": ("12.34", "481", "47", "5.29e6", "+4 +5"),
    "U": ("9.14", "417.1", "27.5", "3.6e6", "+3 +4 +5 +6"),
    "Np": ("3.2", "336.6", "6.3", "8.22e5", "+3 +4 +5 +6"),
    "Pu": ("2.82", "333.5", "6.74", "6.85e5", "+3 +4 +5 +6"),
    "Am": ("14.39", "238.5", "10", "1.45e6", "+3 +4 +5 +6"),
    "Cm": ("0", "0", "0", "0", "+3"),
    "Bk": ("0", "0", "0", "0", "+3 +4"),
    "Cf": ("0", "0", "0", "0", "+3"),
    "Es": ("0", "0", "0", "0", "+3 +4"),
    "Fm": ("0", "0", "0", "0", "+3"),
    "Md": ("0", "0", "0", "0", "+2 +3"),
    "No": ("0", "0", "0", "0", "+2 +3"),
    "Lr": ("0", "0", "0", "0", "+3"),
}

# Gases are given in g/L at normal conditions (numerically g/cm3 x 1000), which is what a
# classroom table shows for them. Allotropes give a range; selenium's grey form comes first.
# Elements periodictable lacks are filled from the handbook; astatine, francium and einsteinium
# onwards have no measured density.
DENSITY_FIXES = {
    "H": "0.08988",
    "He": "0.1785",
    "N": "1.2506",
    "O": "1.429",
    "F": "1.696",
    "Ne": "0.9002",
    "Cl": "3.214",
    "Ar": "1.784",
    "Kr": "3.749",
    "Xe": "5.894",
    "Rn": "9.73",
    "C": "1.9 - 3.53",
    "P": "1.82 - 2.69",
    "S": "1.96 - 2.07",
    "As": "1.97 - 5.73",
    "Se": "4.79 - 4.28",
    "Sn": "5.75 - 7.31",
    "Ra": "5.5",
    "Ac": "10.07",
    "Bk": "14.78",
    "Cf": "15.1",
}

# Molar volumes (cm3/mol) of the gases refer to the solid, not to the gas; elements whose density
# is a range or has an unusual reference take a handbook value too. The rest is mass / density.
MOLAR_VOLUME_FIXES = {
    "H": "22.956",
    "He": "21",
    "N": "13.54",
    "O": "17.36",
    "F": "11.2",
    "Ne": "13.23",
    "Cl": "17.39",
    "Ar": "22.56",
    "Kr": "27.99",
    "Xe": "35.92",
    "Rn": "50.5",
    "C": "4.58",
    "P": "17.02",
    "S": "15.53",
    "As": "12.95",
    "Se": "16.42",
    "Sn": "16.29",
    "Hg": "14.152",
}

# Reference values that are fixed whatever the sources say; applied last.
FIXED = {
    "H": {"electronConfig": "1s1 ", "atomicRadius": "37.3", "electronegativity": "2.2"},
    "He": {"atomicRadius": "128"},
    "C": {"electronegativity": "2.5", "atomicRadius": "77.2"},
    "Hg": {"electronegativity": "2", "atomicRadius": "150.3"},
    "Es": {"electronegativity": "1.3", "atomicRadius": "186"},
}


def read_bodr():
    """bodr's fields by atomic number: its ids still carry the provisional symbols (Uut, Uup, Uus,
    Uuo), and it files livermorium under the id "Fl"."""
    ns = {"c": "http://www.xml-cml.org/schema"}
    data = {}
    for atom in ET.parse(BODR_ELEMENTS).getroot().findall("c:atom", ns):
        fields = {}
        for child in atom:
            ref = child.get("dictRef")
            if ref is not None:
                fields[ref] = child.get("value") if child.tag.endswith("label") else child.text
        data[int(fields["bo:atomicNumber"])] = fields
    return data


def config_text(bodr_config):
    parts = bodr_config.split()
    if parts[0] in ("He", "Ne", "Ar", "Kr", "Xe", "Rn"):
        parts[0] = "[" + parts[0] + "]"
    return " ".join(parts)


def trim_number(text):
    """Short decimal text of a bodr or computed value: no trailing zeros."""
    value = float(text)
    out = "%.4g" % value
    if "e" in out:
        raise ValueError(text)
    return out


def float_literal(text):
    if "." in text or "e" in text:
        return text + "f"
    return text + ".0f"


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def build_rows():
    bodr = read_bodr()
    rows = []
    for number, sym in enumerate(SYMBOLS, start=1):
        b = bodr[number]
        pt = periodictable.elements[number]
        assert pt.symbol == sym, sym

        row = {"symbol": sym}
        row["nameHR"], row["nameEN"], row["nameDE"], row["nameFR"], row["nameIT"] = NAMES[sym]

        row["electronConfig"] = config_text(
            CONFIG_FIXES.get(sym) or b["bo:electronicConfiguration"])

        if sym in ("C", "S"):
            row["discoveryYear"] = ""
        elif sym in ANCIENT_YEARS:
            row["discoveryYear"] = "~ %d. BC" % ANCIENT_YEARS[sym]
        else:
            year = YEAR_FIXES.get(sym) or int(b["bo:discoveryDate"])
            assert year > 0, sym
            row["discoveryYear"] = "%d." % year
        row["discoverers"] = DISCOVERERS.get(sym, "")

        fusion, vaporisation, thermal, electrical, oxidation = HANDBOOK.get(
            sym, ("0", "0", "0", "0", ""))
        row["heatOfFusion"] = fusion
        row["heatOfVaporisation"] = vaporisation
        row["oxidationStates"] = oxidation

        if sym in NOBLE_GASES or number >= 104:
            row["electronegativity"] = "0"
        elif "bo:electronegativityPauling" in b:
            row["electronegativity"] = trim_number(b["bo:electronegativityPauling"])
        else:
            row["electronegativity"] = ELECTRONEGATIVITY_FILLS[sym]

        if number >= 100:
            row["atomicRadius"] = "0"
        elif sym in METALLIC_RADII:
            row["atomicRadius"] = METALLIC_RADII[sym]
        else:
            row["atomicRadius"] = trim_number(str(float(b["bo:radiusCovalent"]) * 100))

        row["thermalConductivity"] = thermal
        row["electricalConductivity"] = electrical

        if sym in DENSITY_FIXES:
            row["density"] = DENSITY_FIXES[sym]
        elif sym in ("At", "Fr") or number >= 99:
            row["density"] = ""
        else:
            row["density"] = repr(pt.density)

        if number >= 99 or row["density"] == "":
            row["molarVolume"] = "0"
        elif sym in MOLAR_VOLUME_FIXES:
            row["molarVolume"] = MOLAR_VOLUME_FIXES[sym]
        else:
            row["molarVolume"] = trim_number(str(pt.mass / float(row["density"])))

        row.update(FIXED.get(sym, {}))
        row["electronConfigPredicted"] = sym in PREDICTED_CONFIGS
        rows.append(row)
    return rows


FIELDS = [
    "symbol", "nameHR", "nameEN", "nameDE", "nameFR", "nameIT", "electronConfig",
    "discoveryYear", "discoverers", "heatOfFusion", "heatOfVaporisation", "oxidationStates",
    "electronegativity", "atomicRadius", "thermalConductivity", "electricalConductivity",
    "molarVolume", "density",
]
FLOAT_FIELDS = {
    "heatOfFusion", "heatOfVaporisation", "electronegativity", "atomicRadius",
    "thermalConductivity", "electricalConductivity", "molarVolume",
}

# Where the packages differ from the program's data on purpose. Anything else check() finds is an
# error in a hand-kept table or a changed package.
KNOWN_DIFFERENCES = {
    # periodictable spells the American way.
    ("name", "periodictable", "Al"): "aluminium is the IUPAC spelling",
    ("name", "periodictable", "Cs"): "caesium is the IUPAC spelling",
    # bodr predates the names of 2016.
    ("name", "bodr", "Nh"): "provisional name ununtrium",
    ("name", "bodr", "Mc"): "provisional name ununpentium",
    ("name", "bodr", "Ts"): "provisional name ununseptium",
    ("name", "bodr", "Og"): "provisional name ununoctium",
    # Longest-lived known isotopes found after the packages' data were taken.
    ("mass number", "bodr", "Nh"): "286Nh (about 10 s) was first seen in 2010",
    ("mass number", "bodr", "Mc"): "290Mc (about 0.65 s) outlives 289Mc",
    ("mass number", "periodictable", "Rg"): "an early isotope; 282Rg lives about 100 s",
    ("mass number", "periodictable", "Mc"): "290Mc (about 0.65 s) outlives 289Mc",
}


def engine_mass_numbers():
    """The whole mass numbers of the calculator's table by atomic number."""
    with open(ENGINE_MASSES, encoding="utf-8") as source:
        rows = re.findall(r"\{(\d+)\.0, 0\},\s*// (\d+)", source.read())
    return {int(number): int(mass) for mass, number in rows}


def check(rows):
    """Compares the rows with bodr and python3-periodictable; returns the unexplained differences."""
    bodr = read_bodr()
    masses = engine_mass_numbers()
    problems = []

    def compare(what, source, sym, ours, theirs):
        if ours != theirs and (what, source, sym) not in KNOWN_DIFFERENCES:
            problems.append("%s of %s: %r here, %r in %s" % (what, sym, ours, theirs, source))

    for number, row in enumerate(rows, start=1):
        sym = row["symbol"]
        b = bodr[number]
        pt = periodictable.elements[number]
        compare("symbol", "periodictable", sym, sym, pt.symbol)
        compare("name", "periodictable", sym, row["nameEN"].lower(), pt.name)
        compare("name", "bodr", sym, row["nameEN"], b["bo:name"])
        if number > CLASSIC_COUNT:
            compare("mass number", "bodr", sym, masses.get(number), int(b["bo:mass"]))
            compare("mass number", "periodictable", sym, masses.get(number), int(pt.mass))
    return problems


HEADER = """\
// SPDX-License-Identifier: GPL-3.0-or-later
// Generated by tools/gen_element_table.py; edit the script, not this file.
//
// Sources: electron configurations, discovery years, Pauling electronegativities and the covalent
// radii of the non-metals come from the Blue Obelisk Data Repository (Debian package bodr,
// elements.xml); densities of solids and liquids, and the molar volumes derived from them, from
// python3-periodictable. Names in five languages, discoverers, heats of fusion and vaporisation,
// thermal and electrical conductivities, metallic radii, gas densities and oxidation states are
// general handbook values (CRC Handbook of Chemistry and Physics kind). A 0 or an empty text means
// that no value is held.
//
// Darmstadtium (110) to oganesson (118): names as IUPAC gave them, in the spellings of the
// national chemical societies; the laboratories of discovery as the IUPAC/IUPAP Joint Working
// Party credited them; calculated electron configurations, marked as predicted.

#include "elements/ElementDatabase.h"

#include <algorithm>
#include <iterator>

std::span<const ElementRecord> allElements(std::size_t count)
{
    // A plain array without a declared size, so that a missing or extra row fails the build.
    static const ElementRecord table[] = {
"""

FOOTER = """\
    };
    static_assert(std::size(table) == fullElementCount);
    return std::span(table).first(std::min(count, std::size(table)));
}
"""


def main():
    rows = build_rows()
    problems = check(rows)
    if problems:
        sys.exit("the data differ from the packages:\n  " + "\n  ".join(problems))
    lines = [HEADER]
    for number, row in enumerate(rows, start=1):
        values = []
        for field in FIELDS:
            if field in FLOAT_FIELDS:
                values.append(float_literal(row[field]))
            else:
                values.append(c_string(row[field]))
        # The flag is left to its default where it is false, so the rows of the 109-element
        # table read as they always have.
        if row["electronConfigPredicted"]:
            values.append("true")
        lines.append("        // %d\n        {%s},\n" % (number, ", ".join(values)))
    lines.append(FOOTER)
    with open(OUTPUT, "w", encoding="utf-8") as out:
        out.write("".join(lines))
    try:
        subprocess.run(["clang-format", "-i", OUTPUT], check=True)
    except (OSError, subprocess.CalledProcessError) as error:
        print("clang-format not run: %s" % error, file=sys.stderr)
    print("wrote %s (%d rows)" % (os.path.normpath(OUTPUT), len(rows)))


if __name__ == "__main__":
    main()
