#include "elements/ElementDatabase.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <set>
#include <string>

namespace {

const QString symbolsInOrder = QStringLiteral(
    "H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se "
    "Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm Sm Eu Gd Tb Dy "
    "Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th Pa U Np Pu Am Cm Bk "
    "Cf Es Fm Md No Lr Rf Db Sg Bh Hs Mt");

const std::set<std::string> nobleGases = {"He", "Ne", "Ar", "Kr", "Xe", "Rn"};
const std::set<std::string> ancient = {"C", "S", "Fe", "Cu", "Ag", "Sn", "Sb", "Au", "Hg", "Pb"};
const std::set<std::string> densityRanges = {"C", "P", "S", "As", "Se", "Sn"};
// Gases carry no electrical conductivity; for At, Fr and Ac none has been measured.
const std::set<std::string> noElectricalValue = {"H",  "He", "N",  "O",  "F",  "Ne", "Cl",
                                                 "Ar", "Kr", "Xe", "Rn", "At", "Fr", "Ac"};

bool matches(const char *pattern, const std::string &text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QString::fromUtf8(pattern)))
        .match(QString::fromStdString(text))
        .hasMatch();
}

} // namespace

class ElementDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsAreTheElementsInAtomicNumberOrder();
    void everyRowFollowsTheRules_data();
    void everyRowFollowsTheRules();
    void referenceRowsAreExact();
    void lookup_data();
    void lookup();
};

void ElementDatabaseTest::rowsAreTheElementsInAtomicNumberOrder()
{
    const auto elements = allElements();
    QCOMPARE(elements.size(), elementCount);
    QStringList symbols;
    for (const ElementRecord &element : elements) {
        symbols << QString::fromStdString(element.symbol);
        QCOMPARE(findElement(element.symbol), &element);
    }
    QCOMPARE(symbols.join(' '), symbolsInOrder);
}

void ElementDatabaseTest::everyRowFollowsTheRules_data()
{
    QTest::addColumn<int>("number");
    for (int number = 1; number <= int(elementCount); ++number)
        QTest::newRow(allElements()[std::size_t(number - 1)].symbol.c_str()) << number;
}

void ElementDatabaseTest::everyRowFollowsTheRules()
{
    QFETCH(int, number);
    const ElementRecord &e = allElements()[std::size_t(number - 1)];
    const std::string &sym = e.symbol;

    // The text forms the information panel relies on.
    for (const std::string *name : {&e.nameHR, &e.nameEN, &e.nameDE, &e.nameFR, &e.nameIT})
        QVERIFY(matches("\\p{Lu}\\p{Ll}+", *name));
    const std::string subshells = "\\d[spdf]\\d{1,2}( \\d[spdf]\\d{1,2})*";
    const std::string core = number <= 2 ? "" : "\\[(He|Ne|Ar|Kr|Xe|Rn)\\] ";
    QVERIFY2(matches((core + subshells + (sym == "H" ? " " : "")).c_str(), e.electronConfig),
             e.electronConfig.c_str());
    const char *year = sym == "C" || sym == "S" ? ""
                       : ancient.count(sym)     ? "~ \\d{3,4}\\. BC"
                                                : "1\\d{3}\\.";
    QVERIFY2(matches(year, e.discoveryYear), e.discoveryYear.c_str());
    QVERIFY2(matches(ancient.count(sym)
                         ? ""
                         : "[^,()]+?( \\([A-Z]{1,3}\\))?(, [^,()]+?( \\([A-Z]{1,3}\\))?)*",
                     e.discoverers),
             e.discoverers.c_str());
    const char *states = nobleGases.count(sym) ? "0" : number >= 104 ? "" : "[-+±]\\d( [-+±]\\d)*";
    QVERIFY2(matches(states, e.oxidationStates), e.oxidationStates.c_str());
    const bool noDensity = sym == "At" || sym == "Fr" || number >= 99;
    const char *density = noDensity                  ? ""
                          : densityRanges.count(sym) ? "\\d+\\.\\d+ - \\d+\\.\\d+"
                                                     : "\\d+(\\.\\d+)?";
    QVERIFY2(matches(density, e.density), e.density.c_str());

    // A zero always means "no value"; where the data hold one it must be a plausible one.
    const bool measured = number < 96;
    QCOMPARE(e.heatOfFusion > 0, measured);
    QCOMPARE(e.heatOfVaporisation > e.heatOfFusion, measured);
    QCOMPARE(e.thermalConductivity > 0, measured);
    QCOMPARE(e.electricalConductivity > 0, measured && !noElectricalValue.count(sym));
    QVERIFY(e.electricalConductivity == 0 ||
            (e.electricalConductivity >= 5e-16f && e.electricalConductivity < 1e8f));
    QCOMPARE(e.atomicRadius > 0, number < 100);
    QVERIFY(e.atomicRadius < 300);
    QCOMPARE(e.molarVolume > 0, number < 99 && !e.density.empty());
    QVERIFY(e.molarVolume < 80);
    QCOMPARE(e.electronegativity > 0, number < 104 && !nobleGases.count(sym));
    QVERIFY(e.electronegativity <= 4.0f);
}

void ElementDatabaseTest::referenceRowsAreExact()
{
    const ElementRecord expected[] = {
        {"H", "Vodik", "Hydrogen", "Wasserstoff", "Hydrogène", "Idrogeno", "1s1 ", "1766.",
         "Hon. Henry Cavendish (GBR)", 0.12f, 0.46f, "-1 +1", 2.2f, 37.3f, 0.183f, 0.0f, 22.956f,
         "0.08988"},
        {"C", "Ugljik", "Carbon", "Kohlenstoff", "Carbone", "Carbonio", "[He] 2s2 2p2", "", "",
         105.0f, 710.9f, "-4 +2 +4", 2.5f, 77.2f, 5.7f, 72700.0f, 4.58f, "1.9 - 3.53"},
        {"Hg", "Živa", "Mercury", "Quecksilber", "Mercure", "Mercurio", "[Xe] 4f14 5d10 6s2",
         "~ 1500. BC", "", 2.331f, 59.11f, "+1 +2", 2.0f, 150.3f, 8.34f, 1.04e6f, 14.152f,
         "13.546"},
        {"Mt", "Meitnerij", "Meitnerium", "Meitnerium", "Meitnerium", "Meitnerio",
         "[Rn] 5f14 6d7 7s2", "1982.", findElement("Mt")->discoverers, 0.0f, 0.0f, "", 0.0f, 0.0f,
         0.0f, 0.0f, 0.0f, ""},
    };
    for (const ElementRecord &row : expected)
        QVERIFY2(*findElement(row.symbol) == row, row.symbol.c_str());
    // Two people, then the laboratory with its city and the country.
    QCOMPARE(QString::fromStdString(findElement("Mt")->discoverers).count(", "), 2);
    QVERIFY(findElement("Mt")->discoverers.ends_with(" (D)"));
}

void ElementDatabaseTest::lookup_data()
{
    // A lookup overwrites every field, also those the previous element had and the new one lacks;
    // an unknown symbol (case matters) leaves the record as it was apart from the symbol itself.
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("dataOf");
    const auto row = [](const char *name, const char *previous, const char *symbol,
                        const char *dataOf) {
        QTest::newRow(name) << QString(previous) << QString(symbol) << QString(dataOf);
    };
    row("from empty", "", "H", "H");
    row("Mt after Fe", "Fe", "Mt", "Mt");
    row("Fe after Mt", "Mt", "Fe", "Fe");
    row("unknown from empty", "", "Xx", "");
    for (const char *unknown : {"h", "FE", "Xx", "Ds", "", "H ", "M"})
        row(unknown, "Fe", unknown, "Fe");
}

void ElementDatabaseTest::lookup()
{
    QFETCH(QString, previous);
    QFETCH(QString, symbol);
    QFETCH(QString, dataOf);
    ElementRecord record;
    if (!previous.isEmpty()) {
        record.symbol = previous.toStdString();
        lookupElement(record);
    }
    record.symbol = symbol.toStdString();
    lookupElement(record);

    ElementRecord expected;
    if (!dataOf.isEmpty())
        expected = *findElement(dataOf.toStdString());
    expected.symbol = symbol.toStdString();
    QVERIFY(record == expected);
    QCOMPARE(findElement(symbol.toStdString()) != nullptr, symbol == dataOf);
}

QTEST_APPLESS_MAIN(ElementDatabaseTest)
#include "tst_elementdatabase.moc"
