// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/engine/CalculatorEngine.h"
#include "calc/engine/EngineMessages.h"
#include "calc/engine/NumberFormat.h"
#include "calc/engine/PercentComposition.h"

#include <QTest>

#include <clocale>

namespace {

QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

constexpr const char *en = pse::messages::notElementSymbolEn;

} // namespace

class TestCalculatorEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lines_data();
    void lines();
    void fullTable_data();
    void fullTable();
    void repairsAreBounded();
    void decimalsSetting();
    void randomSourceIsTheEngines();
};

void TestCalculatorEngine::initTestCase()
{
    // The environment's locale, as the window has it: a run under hr_HR.UTF-8 then shows any
    // number read or written through the C library's locale.
    std::setlocale(LC_ALL, "");
}

void TestCalculatorEngine::lines_data()
{
    // Lines separated by "\n" are evaluated in turn in one engine; the other columns describe the
    // state after the last one (a null normalised or expanded text is not checked). composition:
    // "symbol/atomic number/count/per cent" of each element, per cents worked out by hand from
    // the engine's atomic masses; empty when the line is no formula. reported: evaluateLine's
    // answer, an unknown symbol was named. displays: the result shown scientific with 0 and 2
    // decimals, rounded to 3 decimals and with thousands separators, switched after the
    // evaluation (the line is not calculated again).
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QByteArray>("normalised");
    QTest::addColumn<QByteArray>("expanded");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<bool>("molarMass");
    QTest::addColumn<QByteArray>("composition");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<QByteArray>("suffix");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("displays");
    const auto row = [](const char *lines, const char *normalised, const char *expanded,
                        const char *result, bool molarMass, const char *composition = "",
                        bool reported = false, const char *suffix = en, char separator = '.',
                        const char *displays = "") {
        QTest::newRow(lines) << QByteArray(lines) << QByteArray(normalised) << QByteArray(expanded)
                             << QByteArray(result) << molarMass << QByteArray(composition)
                             << reported << QByteArray(suffix) << separator << QByteArray(displays);
    };
    const auto shown = [&](const char *line, const char *result, bool molarMass,
                           const char *displays) {
        row(line, line, line, result, molarMass, "", false, en, '.', displays);
    };
    const auto formula = [&](const char *line, const char *result, const char *composition,
                             char separator = '.') {
        row(line, nullptr, nullptr, result, true, composition, false, en, separator);
    };
    row("nacl", "NaCl", "22.98977+35.4527", "58.4425", true, "Na/11/1/39.34 Cl/17/1/60.66", false,
        en, '.', "6. E+01|5.84 E+01|58.443|58.44");
    row("Tc", "Tc", "98", "98.", true, "Tc/43/1/100.00");
    row("5+3", "5+3", "5+3", "8", true);
    row("H2O*2", "(H2O)*2", "(1.00794*2+15.9994)*2", "36.03056", false);
    row("K4(Fe(CN)6)", "K4(Fe(CN)6)", "39.0983*4+(55.845+(12.0107+14.00674)*6)", "368.343", true,
        "K/19/4/42.46 Fe/26/1/15.16 C/6/6/19.56 N/7/6/22.82", false, en, '.',
        "4. E+02|3.68 E+02|368.343|368.34");
    row("2H2O+NaCl", "2*(H2O)+(NaCl)", "2*(1.00794*2+15.9994)+(22.98977+35.4527)", "94.4730", true,
        "H/1/4/4.27 O/8/2/33.87 Na/11/1/24.33 Cl/17/1/37.53");
    row("Ca(OH)2ln5", "(Ca(OH)2)*:ln5", "(40.078+(15.9994+1.00794)*2)*:ln5", "119.2475682258",
        false);
    row("CuSO4·5H2O", "(CuSO4)+5*(H2O)", "(63.546+32.066+15.9994*4)+5*(1.00794*2+15.9994)",
        "249.686", true, "Cu/29/1/25.45 S/16/1/12.84 O/8/9/57.67 H/1/10/4.04");
    row("  2 + 2  ", "2+2", "2+2", "4", true);
    // A number with a negative exponent before a formula keeps its exponent whole.
    row("3E-2+H2O", "3E-2+(H2O)", "3E-2+(1.00794*2+15.9994)", "18.04528", false);
    shown("2/3", "0.6666666666667", false, "7. E-01|6.67 E-01|0.667|0.67");
    shown("10^20+1", "1E+20", false,
          "1. E+20|1.00 E+20|100000000000000000000.000|100,000,000,000,000,000,000.00");
    shown("1234.5", "1234.5", true, "1. E+03|1.23 E+03|1234.500|1,234.50");
    shown("1/0", "Cannot divide by zero!", false,
          "Cannot divide by zero!|Cannot divide by zero!|Cannot divide by zero!|"
          "Cannot divide by zero!");
    shown("", "", true, "|||");
    row("10\n+5\nans*2", ":ans*2", "15*2", "30", false);
    row("1/0\n+5", "???+5", "???+5", "Type mismatch", true);
    row("mem*2", ":mem*2", "2.5*2", "5", false);
    row("Qq", "Qq", "", "Qq isn't element symbol!", true, "", true);
    row("Qq\nQq", "Qq", "", "Qq nije simbol elementa!", true, "", true,
        pse::messages::notElementSymbolHr);
    row("Qq\nH", "H", "1.00794", "1.00794", true, "H/1/1/100.00");
    row("AG", "Ag", "107.8682", "107.8682", true, "Ag/47/1/100.00");
    row("2*Nh", "2*(NH)", "2*(14.00674+1.00794)", "30.02936", false);
    row("nacl+.5", "(NaCl)+0,5", "(22,98977+35,4527)+0,5", "58,9425", true, "", false, en, ',',
        "6, E+01|5,89 E+01|58,943|58,94");
    formula("Ca(OH)2", "74.093", "Ca/20/1/54.09 O/8/2/43.19 H/1/2/2.72");
    formula("2,5H2O", "45,0382", "H/1/5/11.19 O/8/2.5/88.81", ',');
    formula("Mt", "268.", "Mt/109/1/100.00");
    formula("NaCl-Cl", "22.9898", "Na/11/1/100.00 Cl/17/0/0.00");
    formula("H-H", "0.00000", "");   // no molar mass above zero
    formula("H2O+5", "23.0153", ""); // a number that belongs to no element
}

void TestCalculatorEngine::lines()
{
    QFETCH(QByteArray, lines);
    QFETCH(QByteArray, normalised);
    QFETCH(QByteArray, expanded);
    QFETCH(QByteArray, result);
    QFETCH(bool, molarMass);
    QFETCH(QByteArray, composition);
    QFETCH(bool, reported);
    QFETCH(QByteArray, suffix);
    QFETCH(char, separator);
    QFETCH(QByteArray, displays);

    pse::CalculatorEngine engine;
    engine.decimalSeparator = separator;
    engine.memoryValue = 2.5;
    bool lastReported = false;
    for (const QByteArray &line : lines.split('\n'))
        lastReported = engine.evaluateLine(line.toStdString(), suffix.toStdString());
    if (!normalised.isNull())
        QCOMPARE(bytes(engine.normalisedText), normalised);
    if (!expanded.isNull())
        QCOMPARE(bytes(engine.expandedText), expanded);
    QCOMPARE(bytes(engine.resultText), result);
    QCOMPARE(bytes(engine.displayText()), result); // automatic mode shows the result as it is
    QCOMPARE(engine.molarMassResult, molarMass);
    QCOMPARE(lastReported, reported);
    QVERIFY(!engine.symbolError); // the report clears it
    if (reported)
        QCOMPARE(bytes(engine.lastSymbol), QByteArray("Qq"));

    const pse::Composition parts = pse::percentComposition(engine);
    QByteArrayList rows;
    double masses = 0;
    for (const pse::CompositionRow &r : parts.rows) {
        rows << bytes(r.symbol) + '/' + QByteArray::number(r.atomicNumber) + '/' +
                    QByteArray::number(r.count) + '/' + QByteArray::number(r.percent, 'f', 2);
        masses += r.mass;
    }
    QCOMPARE(rows.join(' '), composition);
    QCOMPARE(parts.isFormula, !composition.isEmpty());
    // The total is the molar mass shown, and the contributions add up to it.
    QCOMPARE(parts.total, parts.isFormula
                              ? pse::parseNumber(result.toStdString(), separator).value_or(-1)
                              : 0.0);
    QVERIFY(std::abs(masses - parts.total) < 5e-4);
    // The text is checked through the console front end; a line that is no formula has none.
    const auto name = [](int) { return std::string("name"); };
    QCOMPARE(pse::formatComposition(parts, separator, name).empty(), !parts.isFormula);

    if (displays.isEmpty())
        return;
    QByteArrayList shown;
    engine.setNumberMode(pse::CalculatorEngine::Scientific);
    for (const int decimals : {0, 2}) {
        engine.setDecimals(decimals);
        shown << bytes(engine.displayText());
    }
    engine.setNumberMode(pse::CalculatorEngine::Rounded);
    engine.setDecimals(3);
    shown << bytes(engine.displayText());
    engine.setThousandsSeparator(true);
    shown << bytes(engine.displayText());
    QCOMPARE(shown.join('|'), displays);
    QCOMPARE(bytes(engine.resultText), result);
}

void TestCalculatorEngine::fullTable_data()
{
    // Every case repair the nine after meitnerium change, in every spelling, evaluated with 109 and
    // 118 elements: "input line afterwards|result", with 118 "|atomic numbers of the composition".
    QTest::addColumn<QString>("spellings");
    QTest::addColumn<QString>("with109");
    QTest::addColumn<QString>("with118");
    const auto row = [](const char *spellings, const char *with109, const char *with118) {
        QTest::newRow(spellings) << QString(spellings) << QString(with109) << QString(with118);
    };
    row("Nh nh", "NH|15.01468", "Nh|286.|113");
    row("Cn cn", "CN|26.0174", "Cn|285.|112");
    row("Ds DS ds dS", "Ds|Ds isn't element symbol!", "Ds|281.|110");
    row("Rg RG rg rG", "Rg|Rg isn't element symbol!", "Rg|282.|111");
    row("Fl fl", "FL|L isn't element symbol!", "Fl|289.|114");
    row("Mc MC mc mC", "Mc|Mc isn't element symbol!", "Mc|290.|115");
    row("Lv LV lv lV", "LV|L isn't element symbol!", "Lv|293.|116"); // "v" is vanadium elsewhere
    row("Ts TS ts tS", "Ts|Ts isn't element symbol!", "Ts|294.|117");
    row("Og og", "OG|G isn't element symbol!", "Og|294.|118");
    row("2Og+NaCl", "2*(OG)+(NaCl)|G isn't element symbol!", "2*(Og)+(NaCl)|646.|118 11 17");
    // As "co2" is carbon dioxide, lower-case ammonia and cyanide stay compounds.
    row("nh3", "NH3|17.03056", "NH3|17.03056|7 1");
    row("nacn", "NaCN|49.0072", "NaCN|49.0072|11 6 7");
    row("cs2", "Cs2|265.81090", "Cs2|265.81090|55");
    row("Alv", "AlV|77.9230", "AlV|77.9230|13 23");
}

void TestCalculatorEngine::fullTable()
{
    QFETCH(QString, spellings);
    QFETCH(QString, with109);
    QFETCH(QString, with118);
    QCOMPARE(pse::CalculatorEngine(1).elementCount, std::size_t(109));
    for (const QString &line : spellings.split(u' ')) {
        for (const std::size_t count : {std::size_t(109), std::size_t(118)}) {
            pse::CalculatorEngine engine(1);
            engine.elementCount = count;
            engine.evaluateLine(line.toStdString(), en);
            QStringList found = {QString::fromStdString(engine.normalisedText),
                                 QString::fromStdString(engine.resultText)};
            if (count == 118) {
                QStringList numbers;
                for (const pse::CompositionRow &row : pse::percentComposition(engine).rows)
                    numbers << QString::number(row.atomicNumber);
                found << numbers.join(u' ');
            }
            QCOMPARE(found.join(u'|'), count == 118 ? with118 : with109);
        }
    }
}

void TestCalculatorEngine::repairsAreBounded()
{
    // Every "Nh" is a repair of its own; a short line gets them all, a full-length one stops.
    std::string shortLine = "Nh";
    for (int k = 0; k < 100; ++k)
        shortLine += "+Nh";
    pse::CalculatorEngine engine;
    QVERIFY(!engine.evaluateLine(shortLine, en));
    QCOMPARE(bytes(engine.resultText), QByteArray("1516.48268"));

    std::string longLine = "Nh";
    while (longLine.size() < 32000)
        longLine += "+Nh";
    QVERIFY(engine.evaluateLine(longLine, en));
    QCOMPARE(bytes(engine.resultText), QByteArray("Nh isn't element symbol!"));
}

void TestCalculatorEngine::decimalsSetting()
{
    // Steps in one engine: the mode and the thousands separators switched to (only what
    // changes), the decimals then, the decimals asked for and those in force. Thousands
    // separators in rounded mode mean 2 decimals, whichever is switched first; the box keeps
    // 0..12.
    pse::CalculatorEngine engine;
    QCOMPARE(engine.decimals(), 2);
    const int steps[][5] = {{0, 0, 2, 20, 12}, {0, 0, 12, -3, 0}, {2, 0, 0, 7, 7}, {2, 1, 2, 7, 2},
                            {2, 0, 2, 7, 7},   {1, 1, 2, 5, 5},   {2, 1, 2, 9, 2}};
    for (const auto &[mode, thousands, switched, asked, inForce] : steps) {
        if (engine.numberMode != mode)
            engine.setNumberMode(static_cast<short>(mode));
        if (engine.thousandsSeparator != (thousands != 0))
            engine.setThousandsSeparator(thousands != 0);
        QCOMPARE(engine.decimals(), switched);
        QCOMPARE(engine.setDecimals(asked), inForce);
        QCOMPARE(engine.decimalsFormat, std::string(std::size_t(inForce), '0'));
    }
}

void TestCalculatorEngine::randomSourceIsTheEngines()
{
    pse::CalculatorEngine first(7);
    pse::CalculatorEngine second(7);
    first.evaluateLine("ran1000000", "");
    second.evaluateLine("ran1000000", "");
    QCOMPARE(first.resultText, second.resultText);
    const double drawn = pse::parseNumber(first.resultText).value_or(-1);
    QVERIFY(drawn >= 0 && drawn < 1000000);

    first.setRandomSource([] { return 0.25; });
    first.evaluateLine("ran8", "");
    QCOMPARE(bytes(first.resultText), QByteArray("2"));
    first.angleUnit = 1;
    QCOMPARE(bytes(first.applyFunction(":sin30")), QByteArray("0.5"));
    QCOMPARE(bytes(first.applyFunction(":tan90")), QByteArray("<Infinite number>"));
}

QTEST_APPLESS_MAIN(TestCalculatorEngine)
#include "tst_calculatorengine.moc"
