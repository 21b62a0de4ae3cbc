#include "calc/engine/CalculatorEngine.h"
#include "calc/engine/EngineMessages.h"

#include <QTest>

namespace {

QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

} // namespace

class TestCalculatorEngine : public QObject
{
    Q_OBJECT

private slots:
    void evaluateInput_data();
    void evaluateInput();
    void displayModes_data();
    void displayModes();
    void messagesStayInEveryMode();
    void previousResultCarriesOver();
    void unknownSymbol_data();
    void unknownSymbol();
    void repairShowsInInputLine();
    void repairsAreBounded();
    void decimalsSetting();
    void memoryAndConstants();
    void commaSeparator();
    void randomSourceIsTheEngines();
    void applyFunctionAsText();
};

void TestCalculatorEngine::evaluateInput_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("normalised");
    QTest::addColumn<QByteArray>("expanded");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<bool>("molarMass");

    QTest::newRow("nacl") << QByteArray("nacl") << QByteArray("NaCl")
                          << QByteArray("22.98977+35.4527") << QByteArray("58.4425") << true;
    QTest::newRow("H2O") << QByteArray("H2O") << QByteArray("H2O")
                         << QByteArray("1.00794*2+15.9994") << QByteArray("18.0153") << true;
    QTest::newRow("Tc") << QByteArray("Tc") << QByteArray("Tc") << QByteArray("98")
                        << QByteArray("98.") << true;
    QTest::newRow("5+3") << QByteArray("5+3") << QByteArray("5+3") << QByteArray("5+3")
                         << QByteArray("8") << true;
    QTest::newRow("H2O*2") << QByteArray("H2O*2") << QByteArray("(H2O)*2")
                           << QByteArray("(1.00794*2+15.9994)*2") << QByteArray("36.03056")
                           << false;
    QTest::newRow("Ca(OH)2") << QByteArray("Ca(OH)2") << QByteArray("Ca(OH)2")
                             << QByteArray("40.078+(15.9994+1.00794)*2") << QByteArray("74.093")
                             << true;
    QTest::newRow("K4(Fe(CN)6)") << QByteArray("K4(Fe(CN)6)") << QByteArray("K4(Fe(CN)6)")
                                 << QByteArray("39.0983*4+(55.845+(12.0107+14.00674)*6)")
                                 << QByteArray("368.343") << true;
    QTest::newRow("2H2O+NaCl") << QByteArray("2H2O+NaCl") << QByteArray("2*(H2O)+(NaCl)")
                               << QByteArray("2*(1.00794*2+15.9994)+(22.98977+35.4527)")
                               << QByteArray("94.4730") << true;
    QTest::newRow("function token clears molar mass")
        << QByteArray("H2sin30") << QByteArray("(H2)*:sin30") << QByteArray("(1.00794*2)*:sin30")
        << QByteArray("-1.991753190376") << false;
    QTest::newRow("function multiplies the whole formula")
        << QByteArray("Ca(OH)2ln5") << QByteArray("(Ca(OH)2)*:ln5")
        << QByteArray("(40.078+(15.9994+1.00794)*2)*:ln5") << QByteArray("119.2475682258") << false;
    QTest::newRow("hydrate") << QByteArray("CuSO4·5H2O") << QByteArray("(CuSO4)+5*(H2O)")
                             << QByteArray("(63.546+32.066+15.9994*4)+5*(1.00794*2+15.9994)")
                             << QByteArray("249.686") << true;
    QTest::newRow("blanks trimmed") << QByteArray("  2 + 2  ") << QByteArray("2+2")
                                    << QByteArray("2+2") << QByteArray("4") << true;
    QTest::newRow("rounded to the result pattern")
        << QByteArray("2/3") << QByteArray("2/3") << QByteArray("2/3")
        << QByteArray("0.6666666666667") << false;
    QTest::newRow("exponent form") << QByteArray("10^20+1") << QByteArray("10^20+1")
                                   << QByteArray("10^20+1") << QByteArray("1E+20") << false;
    QTest::newRow("message") << QByteArray("1/0") << QByteArray("1/0") << QByteArray("1/0")
                             << QByteArray("Cannot divide by zero!") << false;
    QTest::newRow("empty") << QByteArray("") << QByteArray("") << QByteArray("") << QByteArray("")
                           << true;
    QTest::newRow("brackets side by side") << QByteArray("(3)(4)") << QByteArray("(3)(4)")
                                           << QByteArray("(3)+(4)") << QByteArray("7") << true;
}

void TestCalculatorEngine::evaluateInput()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, normalised);
    QFETCH(QByteArray, expanded);
    QFETCH(QByteArray, result);
    QFETCH(bool, molarMass);

    pse::CalculatorEngine engine;
    engine.inputText = input.toStdString();
    engine.evaluateInput();
    QCOMPARE(bytes(engine.normalisedText), normalised);
    QCOMPARE(bytes(engine.expandedText), expanded);
    QCOMPARE(bytes(engine.resultText), result);
    QCOMPARE(engine.molarMassResult, molarMass);
    QCOMPARE(bytes(engine.displayText()), result); // automatic mode shows the result as it is
}

void TestCalculatorEngine::displayModes_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("thousands");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("scientific water")
        << QByteArray("H2O") << 1 << 2 << false << QByteArray("1.80 E+01");
    QTest::newRow("scientific small")
        << QByteArray("0.00012") << 1 << 2 << false << QByteArray("1.20 E-04");
    QTest::newRow("scientific no decimals")
        << QByteArray("H2O") << 1 << 0 << false << QByteArray("2. E+01");
    QTest::newRow("rounded two thirds")
        << QByteArray("2/3") << 2 << 3 << false << QByteArray("0.667");
    QTest::newRow("rounded with thousands")
        << QByteArray("1234.5") << 2 << 5 << true << QByteArray("1,234.50");
    QTest::newRow("rounded no decimals")
        << QByteArray("2/3") << 2 << 0 << false << QByteArray("1.");
    QTest::newRow("automatic general")
        << QByteArray("2^0.5") << 0 << 2 << false << QByteArray("1.414213562373");
    QTest::newRow("automatic molar mass")
        << QByteArray("NaCl") << 0 << 2 << false << QByteArray("58.4425");
    QTest::newRow("automatic tiny")
        << QByteArray("1/2000") << 0 << 2 << false << QByteArray("0.0005");
    QTest::newRow("automatic exponent")
        << QByteArray("1/2000000") << 0 << 2 << false << QByteArray("5E-07");
}

void TestCalculatorEngine::displayModes()
{
    QFETCH(QByteArray, input);
    QFETCH(int, mode);
    QFETCH(int, decimals);
    QFETCH(bool, thousands);
    QFETCH(QByteArray, expected);

    pse::CalculatorEngine engine;
    engine.setNumberMode(static_cast<short>(mode));
    engine.setThousandsSeparator(thousands);
    engine.setDecimals(decimals);
    engine.evaluateLine(input.toStdString(), pse::messages::notElementSymbolEn);
    QCOMPARE(bytes(engine.displayText()), expected);
}

void TestCalculatorEngine::messagesStayInEveryMode()
{
    pse::CalculatorEngine engine;
    engine.evaluateLine("sqrt(0-4)", pse::messages::notElementSymbolEn);
    for (short mode = 0; mode < 3; ++mode) {
        engine.setNumberMode(mode);
        QCOMPARE(bytes(engine.displayText()), QByteArray("Error - negative number!"));
    }
    engine.setThousandsSeparator(true);
    QCOMPARE(bytes(engine.displayText()), QByteArray("Error - negative number!"));
}

void TestCalculatorEngine::previousResultCarriesOver()
{
    pse::CalculatorEngine engine;
    const char *suffix = pse::messages::notElementSymbolEn;
    engine.evaluateLine("10", suffix);
    engine.evaluateLine("+5", suffix);
    QCOMPARE(bytes(engine.normalisedText), QByteArray("10+5"));
    QCOMPARE(bytes(engine.resultText), QByteArray("15"));
    QCOMPARE(bytes(engine.previousResult), QByteArray("10"));
    engine.evaluateLine("ans*2", suffix);
    QCOMPARE(bytes(engine.expandedText), QByteArray("15*2"));
    QCOMPARE(bytes(engine.resultText), QByteArray("30"));
    engine.evaluateLine("sqrt", suffix);
    QCOMPARE(bytes(engine.normalisedText), QByteArray(":sqrt30"));
    engine.evaluateLine("1/0", suffix);
    engine.evaluateLine("+5", suffix);
    QCOMPARE(bytes(engine.normalisedText), QByteArray("???+5"));
    QCOMPARE(bytes(engine.resultText), QByteArray("Type mismatch"));
}

void TestCalculatorEngine::unknownSymbol_data()
{
    QTest::addColumn<QByteArray>("suffix");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("English") << QByteArray(pse::messages::notElementSymbolEn)
                             << QByteArray("Qq isn't element symbol!");
    QTest::newRow("Croatian") << QByteArray(pse::messages::notElementSymbolHr)
                              << QByteArray("Qq nije simbol elementa!");
}

void TestCalculatorEngine::unknownSymbol()
{
    QFETCH(QByteArray, suffix);
    QFETCH(QByteArray, expected);
    pse::CalculatorEngine engine;
    QVERIFY(engine.evaluateLine("Qq", suffix.toStdString()));
    QCOMPARE(bytes(engine.resultText), expected);
    QCOMPARE(bytes(engine.displayText()), expected);
    QCOMPARE(bytes(engine.normalisedText), QByteArray("Qq"));
    QCOMPARE(bytes(engine.lastSymbol), QByteArray("Qq"));
    QVERIFY(!engine.symbolError);
    QVERIFY(!engine.evaluateLine("H", suffix.toStdString()));
}

void TestCalculatorEngine::repairShowsInInputLine()
{
    pse::CalculatorEngine engine;
    QVERIFY(!engine.evaluateLine("AG", pse::messages::notElementSymbolEn));
    QCOMPARE(bytes(engine.normalisedText), QByteArray("Ag"));
    QCOMPARE(bytes(engine.resultText), QByteArray("107.8682"));
    QVERIFY(!engine.evaluateLine("2*Nh", pse::messages::notElementSymbolEn));
    QCOMPARE(bytes(engine.normalisedText), QByteArray("2*(NH)"));
    QVERIFY(!engine.molarMassResult); // the repaired text is normalised again, "*" and all
}

void TestCalculatorEngine::repairsAreBounded()
{
    // Every "Nh" is a repair of its own; a short line gets them all, a full-length one stops.
    std::string shortLine = "Nh";
    for (int k = 0; k < 100; ++k)
        shortLine += "+Nh";
    pse::CalculatorEngine engine;
    QVERIFY(!engine.evaluateLine(shortLine, pse::messages::notElementSymbolEn));
    QCOMPARE(bytes(engine.resultText), QByteArray("1516.48268"));

    std::string longLine = "Nh";
    while (longLine.size() < 32000)
        longLine += "+Nh";
    QVERIFY(engine.evaluateLine(longLine, pse::messages::notElementSymbolEn));
    QCOMPARE(bytes(engine.resultText), QByteArray("Nh isn't element symbol!"));
}

void TestCalculatorEngine::decimalsSetting()
{
    pse::CalculatorEngine engine;
    QCOMPARE(engine.decimals(), 2);
    QCOMPARE(engine.setDecimals(20), 12);
    QCOMPARE(bytes(engine.decimalsFormat), QByteArray("000000000000"));
    QCOMPARE(engine.setDecimals(-3), 0);
    QCOMPARE(bytes(engine.decimalsFormat), QByteArray(""));
    engine.setNumberMode(pse::CalculatorEngine::Rounded);
    QCOMPARE(engine.setDecimals(7), 7);
    engine.setThousandsSeparator(true);
    QCOMPARE(engine.decimals(), 2);
    QCOMPARE(engine.setDecimals(7), 2);
    engine.setThousandsSeparator(false);
    QCOMPARE(engine.setDecimals(7), 7);
    engine.setNumberMode(pse::CalculatorEngine::Scientific);
    engine.setThousandsSeparator(true);
    QCOMPARE(engine.setDecimals(5), 5); // outside rounded mode the box only starts at 2
}

void TestCalculatorEngine::memoryAndConstants()
{
    pse::CalculatorEngine engine;
    engine.memoryValue = 2.5;
    engine.evaluateLine("mem*2", pse::messages::notElementSymbolEn);
    QCOMPARE(bytes(engine.expandedText), QByteArray("2.5*2"));
    QCOMPARE(bytes(engine.resultText), QByteArray("5"));
    engine.evaluateLine("2pi", pse::messages::notElementSymbolEn);
    QCOMPARE(bytes(engine.normalisedText), QByteArray("2*:pi"));
    QCOMPARE(bytes(engine.resultText), QByteArray("6.28318530718"));
}

void TestCalculatorEngine::commaSeparator()
{
    pse::CalculatorEngine engine;
    engine.decimalSeparator = ',';
    engine.evaluateLine("nacl+.5", pse::messages::notElementSymbolEn);
    QCOMPARE(bytes(engine.normalisedText), QByteArray("(NaCl)+0,5"));
    QCOMPARE(bytes(engine.expandedText), QByteArray("(22,98977+35,4527)+0,5"));
    QCOMPARE(bytes(engine.resultText), QByteArray("58,9425"));
    engine.setNumberMode(pse::CalculatorEngine::Rounded);
    engine.setThousandsSeparator(true);
    engine.evaluateLine("1234,5", pse::messages::notElementSymbolEn);
    QCOMPARE(bytes(engine.displayText()), QByteArray("1.234,50"));
}

void TestCalculatorEngine::randomSourceIsTheEngines()
{
    pse::CalculatorEngine first(7);
    pse::CalculatorEngine second(7);
    first.evaluateLine("ran1000000", "");
    second.evaluateLine("ran1000000", "");
    QCOMPARE(first.resultText, second.resultText);
    const double drawn = std::stod(first.resultText);
    QVERIFY(drawn >= 0 && drawn < 1000000);

    first.setRandomSource([] { return 0.25; });
    first.evaluateLine("ran8", "");
    QCOMPARE(bytes(first.resultText), QByteArray("2"));
}

void TestCalculatorEngine::applyFunctionAsText()
{
    pse::CalculatorEngine engine;
    engine.angleUnit = 1;
    QCOMPARE(bytes(engine.applyFunction(":sin30")), QByteArray("0.5"));
    QCOMPARE(bytes(engine.applyFunction(":tan90")), QByteArray("<Infinite number>"));
    QCOMPARE(bytes(engine.applyFunction("4!")), QByteArray("24"));
}

QTEST_APPLESS_MAIN(TestCalculatorEngine)
#include "tst_calculatorengine.moc"
