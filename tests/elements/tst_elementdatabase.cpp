// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/AtomicMassTable.h"
#include "elements/ElementDatabase.h"

#include <QRegularExpression>
#include <QTest>

#include <set>
#include <string>

namespace {

const std::set<std::string> nobleGases = {"He", "Ne", "Ar", "Kr", "Xe", "Rn"};
const std::set<std::string> ancient = {"C", "S", "Fe", "Cu", "Ag", "Sn", "Sb", "Au", "Hg", "Pb"};

bool matches(const std::string &pattern, const std::string &text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QString::fromStdString(pattern)))
        .match(QString::fromStdString(text))
        .hasMatch();
}

} // namespace

class ElementDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void everyRowFollowsTheRules_data();
    void everyRowFollowsTheRules();
    void referenceRowsAreExact();
    void lookup_data();
    void lookup();
};

void ElementDatabaseTest::everyRowFollowsTheRules_data()
{
    QTest::addColumn<int>("number");
    QCOMPARE(allElements().size(), elementCount);
    for (int number = 1; number <= int(fullElementCount); ++number)
        QTest::newRow(allElements(fullElementCount)[std::size_t(number - 1)].symbol.c_str())
            << number;
}

void ElementDatabaseTest::everyRowFollowsTheRules()
{
    QFETCH(int, number);
    const ElementRecord &e = allElements(fullElementCount)[std::size_t(number - 1)];
    const std::string &sym = e.symbol;
    // Darmstadtium to oganesson exist only in the full table.
    const bool full = number > int(elementCount);

    // Row z is element z: the calculator's atomic masses, the state colours and the names of the
    // percentage composition all go by that number.
    QVERIFY2(sym == pse::atomicMassTable(fullElementCount)[std::size_t(number - 1)].symbol,
             sym.c_str());
    QCOMPARE(findElement(sym, fullElementCount), &e);
    QCOMPARE(findElement(sym), full ? nullptr : &e);
    ElementRecord shown;
    shown.symbol = sym;
    lookupElement(shown, fullElementCount);
    QVERIFY(shown == e);
    QCOMPARE(e.electronConfigPredicted, full);

    // The text forms the information panel shows as they stand.
    for (const std::string *name : {&e.nameHR, &e.nameEN, &e.nameDE, &e.nameFR, &e.nameIT})
        QVERIFY(matches("\\p{Lu}\\p{Ll}+", *name));
    const std::string core = number <= 2 ? "" : "\\[(He|Ne|Ar|Kr|Xe|Rn)\\] ";
    QVERIFY2(matches(core + "\\d[spdf]\\d{1,2}( \\d[spdf]\\d{1,2})*" + (sym == "H" ? " " : ""),
                     e.electronConfig),
             e.electronConfig.c_str());
    const bool old = ancient.count(sym) != 0;
    const bool unknownYear = sym == "C" || sym == "S";
    const char *year = full ? "(199\\d|20[01]\\d)\\." : "1\\d{3}\\.";
    QVERIFY(matches(unknownYear ? "" : old ? "~ \\d{3,4}\\. BC" : year, e.discoveryYear));
    // IUPAC credits laboratories for the nine, each with its country.
    const char *labs = "([A-Z]+ [A-Z][a-z]+( [A-Z][a-z]+)? \\([A-Z]{1,3}\\)(, |$))+";
    const char *people = "[^,()]+?( \\([A-Z]{1,3}\\))?(, [^,()]+?( \\([A-Z]{1,3}\\))?)*";
    QVERIFY2(matches(old ? "" : full ? labs : people, e.discoverers), e.discoverers.c_str());
    const bool noble = nobleGases.count(sym) != 0;
    QVERIFY(matches(noble ? "0" : number >= 104 ? "" : "[-+±]\\d( [-+±]\\d)*", e.oxidationStates));
    const bool noDensity = sym == "At" || sym == "Fr" || number >= 99;
    QVERIFY(matches(noDensity ? "" : "\\d+\\.\\d+( - \\d+\\.\\d+)?|\\d+", e.density));

    // A zero always means "no value"; where the data hold one it must be a plausible one.
    QCOMPARE(e.heatOfFusion > 0, number < 96);
    QCOMPARE(e.heatOfVaporisation > e.heatOfFusion, number < 96);
    QCOMPARE(e.thermalConductivity > 0, number < 96);
    QVERIFY(e.electricalConductivity == 0 ||
            (e.electricalConductivity >= 5e-16f && e.electricalConductivity < 1e8f));
    QCOMPARE(e.atomicRadius > 0 && e.atomicRadius < 300, number < 100);
    QCOMPARE(e.molarVolume > 0 && e.molarVolume < 80, number < 99 && !e.density.empty());
    QCOMPARE(e.electronegativity > 0 && e.electronegativity <= 4.0f, number < 104 && !noble);
}

void ElementDatabaseTest::referenceRowsAreExact()
{
    const ElementRecord expected[] = {
        {"H", "Vodik", "Hydrogen", "Wasserstoff", "Hydrogène", "Idrogeno", "1s1 ", "1766.",
         "Hon. Henry Cavendish (GBR)", 0.12f, 0.46f, "-1 +1", 2.2f, 37.3f, 0.183f, 0.0f, 22.956f,
         "0.08988"},
        {"Hg", "Živa", "Mercury", "Quecksilber", "Mercure", "Mercurio", "[Xe] 4f14 5d10 6s2",
         "~ 1500. BC", "", 2.331f, 59.11f, "+1 +2", 2.0f, 150.3f, 8.34f, 1.04e6f, 14.152f,
         "13.546"},
        {"Ts", "Tenes", "Tennessine", "Tenness", "Tennesse", "Tennesso", "[Rn] 5f14 6d10 7s2 7p5",
         "2010.", "JINR Dubna (RUS), LLNL Livermore (USA), ORNL Oak Ridge (USA)", 0, 0, "", 0, 0, 0,
         0, 0, "", true},
    };
    for (const ElementRecord &row : expected)
        QVERIFY2(*findElement(row.symbol, fullElementCount) == row, row.symbol.c_str());
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
