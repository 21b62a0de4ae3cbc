#include "elements/ElementDatabase.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <set>
#include <string>

Q_DECLARE_METATYPE(ElementRecord)

namespace {

const QString symbolsInOrder = QStringLiteral(
    "H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se "
    "Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm Sm Eu Gd Tb Dy "
    "Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th Pa U Np Pu Am Cm Bk "
    "Cf Es Fm Md No Lr Rf Db Sg Bh Hs Mt");

const std::set<std::string> nobleGases = {"He", "Ne", "Ar", "Kr", "Xe", "Rn"};
const std::set<std::string> noDiscoverer = {"C",  "S",  "Fe", "Cu", "Ag",
                                            "Sn", "Sb", "Au", "Hg", "Pb"};
const std::set<std::string> densityRanges = {"C", "P", "S", "As", "Se", "Sn"};
// Gases carry no electrical conductivity; for these three none has been measured.
const std::set<std::string> noElectricalValue = {"H",  "He", "N",  "O",  "F",  "Ne", "Cl",
                                                 "Ar", "Kr", "Xe", "Rn", "At", "Fr", "Ac"};

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

bool matches(const char *pattern, const std::string &text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QString::fromUtf8(pattern)))
        .match(q(text))
        .hasMatch();
}

ElementRecord recordFor(const std::string &symbol)
{
    ElementRecord record;
    record.symbol = symbol;
    return record;
}

const ElementRecord &row(const char *symbol)
{
    const ElementRecord *element = findElement(symbol);
    Q_ASSERT(element != nullptr);
    return *element;
}

} // namespace

class ElementDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsAreTheElementsInAtomicNumberOrder();
    void everyRowKeepsTheTextForms_data();
    void everyRowKeepsTheTextForms();
    void missingValuesFollowTheZeroRules_data();
    void missingValuesFollowTheZeroRules();
    void referenceRowsAreExact_data();
    void referenceRowsAreExact();
    void referenceDiscoverersHaveTheirForm();
    void lookupFillsTheRecord_data();
    void lookupFillsTheRecord();
    void unknownSymbolLeavesTheRecordAlone_data();
    void unknownSymbolLeavesTheRecordAlone();
};

void ElementDatabaseTest::rowsAreTheElementsInAtomicNumberOrder()
{
    const auto elements = allElements();
    QCOMPARE(elements.size(), elementCount);
    QStringList symbols;
    for (const ElementRecord &element : elements)
        symbols << q(element.symbol);
    QCOMPARE(symbols.join(' '), symbolsInOrder);
    for (std::size_t i = 0; i < elements.size(); ++i)
        QCOMPARE(findElement(elements[i].symbol), &elements[i]);
}

static void addOneRowPerElement()
{
    QTest::addColumn<ElementRecord>("element");
    QTest::addColumn<int>("number");
    int number = 0;
    for (const ElementRecord &element : allElements()) {
        ++number;
        QTest::newRow(element.symbol.c_str()) << element << number;
    }
}

void ElementDatabaseTest::everyRowKeepsTheTextForms_data()
{
    addOneRowPerElement();
}

void ElementDatabaseTest::everyRowKeepsTheTextForms()
{
    QFETCH(ElementRecord, element);
    QFETCH(int, number);
    const std::string &sym = element.symbol;

    for (const std::string *name :
         {&element.nameHR, &element.nameEN, &element.nameDE, &element.nameFR, &element.nameIT}) {
        QVERIFY(matches("\\p{Lu}\\p{Ll}+", *name));
    }

    const char *subshells = "\\d[spdf]\\d{1,2}( \\d[spdf]\\d{1,2})*";
    if (sym == "H")
        QCOMPARE(q(element.electronConfig), QStringLiteral("1s1 "));
    else if (number <= 2)
        QVERIFY(matches(subshells, element.electronConfig));
    else
        QVERIFY2(matches((std::string("\\[(He|Ne|Ar|Kr|Xe|Rn)\\] ") + subshells).c_str(),
                         element.electronConfig),
                 element.electronConfig.c_str());

    if (sym == "C" || sym == "S")
        QVERIFY(element.discoveryYear.empty());
    else if (noDiscoverer.count(sym))
        QVERIFY(matches("~ \\d{3,4}\\. BC", element.discoveryYear));
    else
        QVERIFY2(matches("1\\d{3}\\.", element.discoveryYear), element.discoveryYear.c_str());

    if (noDiscoverer.count(sym))
        QVERIFY(element.discoverers.empty());
    else
        QVERIFY2(matches("[^,()]+?( \\([A-Z]{1,3}\\))?(, [^,()]+?( \\([A-Z]{1,3}\\))?)*",
                         element.discoverers),
                 element.discoverers.c_str());

    if (nobleGases.count(sym))
        QCOMPARE(q(element.oxidationStates), QStringLiteral("0"));
    else if (number >= 104)
        QVERIFY(element.oxidationStates.empty());
    else
        QVERIFY2(matches("[-+±]\\d( [-+±]\\d)*", element.oxidationStates),
                 element.oxidationStates.c_str());

    if (sym == "At" || sym == "Fr" || number >= 99) {
        QVERIFY(element.density.empty());
    } else if (densityRanges.count(sym)) {
        QRegularExpression range(QStringLiteral("^(\\d+\\.\\d+) - (\\d+\\.\\d+)$"));
        const auto match = range.match(q(element.density));
        QVERIFY2(match.hasMatch(), element.density.c_str());
        const bool firstIsLarger = match.captured(1).toDouble() > match.captured(2).toDouble();
        QCOMPARE(firstIsLarger, sym == "Se");
    } else {
        QVERIFY2(matches("\\d+(\\.\\d+)?", element.density), element.density.c_str());
    }
}

void ElementDatabaseTest::missingValuesFollowTheZeroRules_data()
{
    addOneRowPerElement();
}

void ElementDatabaseTest::missingValuesFollowTheZeroRules()
{
    QFETCH(ElementRecord, element);
    QFETCH(int, number);
    const std::string &sym = element.symbol;

    // A zero always means "no value"; where the data set holds one it must be a plausible one.
    const bool hasHeatsAndConductivity = number < 96;
    QCOMPARE(element.heatOfFusion > 0, hasHeatsAndConductivity);
    QCOMPARE(element.heatOfVaporisation > element.heatOfFusion, hasHeatsAndConductivity);
    QCOMPARE(element.thermalConductivity > 0, hasHeatsAndConductivity);
    QCOMPARE(element.electricalConductivity > 0,
             hasHeatsAndConductivity && !noElectricalValue.count(sym));
    if (element.electricalConductivity > 0)
        QVERIFY(element.electricalConductivity >= 5e-16f && element.electricalConductivity < 1e8f);

    QCOMPARE(element.atomicRadius > 0, number < 100);
    QVERIFY(element.atomicRadius < 300);
    QCOMPARE(element.molarVolume > 0, number < 99 && !element.density.empty());
    QVERIFY(element.molarVolume < 80);

    const bool hasElectronegativity = number < 104 && !nobleGases.count(sym);
    QCOMPARE(element.electronegativity > 0, hasElectronegativity);
    QVERIFY(element.electronegativity <= 4.0f);
}

void ElementDatabaseTest::referenceRowsAreExact_data()
{
    QTest::addColumn<ElementRecord>("expected");

    // Discoverers are checked by form in their own test.
    auto withDiscoverers = [](ElementRecord e) {
        e.discoverers = row(e.symbol.c_str()).discoverers;
        return e;
    };
    QTest::newRow("H") << withDiscoverers({"H", "Vodik", "Hydrogen", "Wasserstoff", "Hydrogène",
                                           "Idrogeno", "1s1 ", "1766.", "", 0.12f, 0.46f, "-1 +1",
                                           2.2f, 37.3f, 0.183f, 0.0f, 22.956f, "0.08988"});
    QTest::newRow("C") << ElementRecord{
        "C",  "Ugljik", "Carbon", "Kohlenstoff", "Carbone",  "Carbonio", "[He] 2s2 2p2",
        "",   "",       105.0f,   710.9f,        "-4 +2 +4", 2.5f,       77.2f,
        5.7f, 72700.0f, 4.58f,    "1.9 - 3.53"};
    QTest::newRow("Hg") << ElementRecord{"Hg",
                                         "Živa",
                                         "Mercury",
                                         "Quecksilber",
                                         "Mercure",
                                         "Mercurio",
                                         "[Xe] 4f14 5d10 6s2",
                                         "~ 1500. BC",
                                         "",
                                         2.331f,
                                         59.11f,
                                         "+1 +2",
                                         2.0f,
                                         150.3f,
                                         8.34f,
                                         1.04e6f,
                                         14.152f,
                                         "13.546"};
    QTest::newRow("Es") << withDiscoverers(
        {"Es", "Einsteinij", "Einsteinium", "Einsteinium", "Einsteinium", "Einsteinio",
         "[Rn] 5f11 7s2", "1952.", "", 0.0f, 0.0f, "+3 +4", 1.3f, 186.0f, 0.0f, 0.0f, 0.0f, ""});
    QTest::newRow("Mt") << withDiscoverers({"Mt", "Meitnerij", "Meitnerium", "Meitnerium",
                                            "Meitnerium", "Meitnerio", "[Rn] 5f14 6d7 7s2", "1982.",
                                            "", 0.0f, 0.0f, "", 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, ""});
}

void ElementDatabaseTest::referenceRowsAreExact()
{
    QFETCH(ElementRecord, expected);
    const ElementRecord &actual = row(expected.symbol.c_str());
    QCOMPARE(q(actual.nameHR), q(expected.nameHR));
    QCOMPARE(q(actual.nameEN), q(expected.nameEN));
    QCOMPARE(q(actual.nameDE), q(expected.nameDE));
    QCOMPARE(q(actual.nameFR), q(expected.nameFR));
    QCOMPARE(q(actual.nameIT), q(expected.nameIT));
    QCOMPARE(q(actual.electronConfig), q(expected.electronConfig));
    QCOMPARE(q(actual.discoveryYear), q(expected.discoveryYear));
    QCOMPARE(q(actual.oxidationStates), q(expected.oxidationStates));
    QCOMPARE(q(actual.density), q(expected.density));
    QCOMPARE(actual.heatOfFusion, expected.heatOfFusion);
    QCOMPARE(actual.heatOfVaporisation, expected.heatOfVaporisation);
    QCOMPARE(actual.electronegativity, expected.electronegativity);
    QCOMPARE(actual.atomicRadius, expected.atomicRadius);
    QCOMPARE(actual.thermalConductivity, expected.thermalConductivity);
    QCOMPARE(actual.electricalConductivity, expected.electricalConductivity);
    QCOMPARE(actual.molarVolume, expected.molarVolume);
    QVERIFY(actual == expected);
}

void ElementDatabaseTest::referenceDiscoverersHaveTheirForm()
{
    const QStringList h = q(row("H").discoverers).split(QStringLiteral(", "));
    QCOMPARE(h.size(), 1);
    QVERIFY(h[0].endsWith(QStringLiteral(" (GBR)")));

    const QStringList es = q(row("Es").discoverers).split(QStringLiteral(", "));
    QCOMPARE(es.size(), 1);
    QVERIFY(es[0].endsWith(QStringLiteral(" (USA)")));

    // Two people, then the laboratory with its city and the country.
    const QStringList mt = q(row("Mt").discoverers).split(QStringLiteral(", "));
    QCOMPARE(mt.size(), 3);
    QVERIFY(!mt[0].contains('('));
    QVERIFY(!mt[1].contains('('));
    QVERIFY(mt[2].endsWith(QStringLiteral(" (D)")));

    QCOMPARE(q(row("Fe").discoveryYear), QStringLiteral("~ 2500. BC"));
    QCOMPARE(q(row("Fe").density), QStringLiteral("7.874"));
    QCOMPARE(row("Fe").electricalConductivity, 1.03e7f);
    QCOMPARE(q(row("He").density), QStringLiteral("0.1785"));
    QCOMPARE(row("He").atomicRadius, 128.0f);
    QCOMPARE(q(row("N").oxidationStates), QStringLiteral("±3 ±2 ±1 +4 +5"));
    QCOMPARE(q(row("N").nameHR), QStringLiteral("Dušik"));
    QCOMPARE(q(row("Fe").nameHR), QStringLiteral("Željezo"));
}

void ElementDatabaseTest::lookupFillsTheRecord_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("symbol");

    // Each lookup must overwrite every field, also those the previous element had and the new one
    // lacks (Mt after Fe: empty oxidation states and density, zero values).
    QTest::newRow("from empty") << QString() << "H";
    QTest::newRow("Mt after Fe") << "Fe"
                                 << "Mt";
    QTest::newRow("Fe after Mt") << "Mt"
                                 << "Fe";
    QTest::newRow("same again") << "Hg"
                                << "Hg";
    QTest::newRow("last row") << "H"
                              << "Mt";
}

void ElementDatabaseTest::lookupFillsTheRecord()
{
    QFETCH(QString, previous);
    QFETCH(QString, symbol);
    ElementRecord record;
    if (!previous.isEmpty()) {
        record.symbol = previous.toStdString();
        lookupElement(record);
    }
    record.symbol = symbol.toStdString();
    lookupElement(record);
    QVERIFY(record == row(symbol.toUtf8().constData()));
}

void ElementDatabaseTest::unknownSymbolLeavesTheRecordAlone_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::newRow("lower case") << "h";
    QTest::newRow("upper case") << "FE";
    QTest::newRow("no such element") << "Xx";
    QTest::newRow("element 110") << "Ds";
    QTest::newRow("empty") << "";
    QTest::newRow("blank after") << "H ";
    QTest::newRow("prefix of a symbol") << "M";
}

void ElementDatabaseTest::unknownSymbolLeavesTheRecordAlone()
{
    QFETCH(QString, symbol);
    QCOMPARE(findElement(symbol.toStdString()), nullptr);

    ElementRecord record = recordFor("Fe");
    lookupElement(record);
    const ElementRecord iron = record;
    record.symbol = symbol.toStdString();
    lookupElement(record);

    ElementRecord expected = iron;
    expected.symbol = symbol.toStdString();
    QVERIFY(record == expected);

    ElementRecord untouched = recordFor(symbol.toStdString());
    lookupElement(untouched);
    QVERIFY(untouched == recordFor(symbol.toStdString()));
}

QTEST_APPLESS_MAIN(ElementDatabaseTest)
#include "tst_elementdatabase.moc"
