#include "calc/engine/InputNormaliser.h"

#include <QTest>

class TestNormaliser : public QObject
{
    Q_OBJECT

private slots:
    void normalise_data();
    void normalise();
};

void TestNormaliser::normalise_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("previousResult");
    QTest::addColumn<char>("separator");
    QTest::addColumn<bool>("thousands");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("molarMass");

    const auto row = [](const char *name, const QByteArray &input, const QByteArray &expected,
                        bool molarMass = true, const char *previous = "10", char separator = '.',
                        bool thousands = false) {
        QTest::newRow(name) << input << QByteArray(previous) << separator << thousands << expected
                            << molarMass;
    };

    // Symbols and their case.
    row("nacl", "nacl", "NaCl");
    row("h2so4", "h2so4", "H2SO4");
    row("co is cobalt", "co", "Co");
    row("co2 is carbon dioxide", "co2", "CO2");
    row("no is nobelium", "no", "No");
    row("no2 is nitrogen dioxide", "no2", "NO2");
    row("hf is hafnium", "hf", "Hf");
    row("hf2", "hf2", "HF2");
    row("ho with more", "ho2", "HO2");
    row("hs with more", "hs2", "HS2");
    row("mn", "mn", "Mn");
    row("mn in a formula", "kmno4", "KMnO4");
    row("zn", "zn", "Zn");
    row("lone z", "z", "Z");
    row("xe", "xe", "Xe");
    row("v w x upper", "vwx", "VWX");
    row("po with more", "po4", "PO4");
    row("so with more", "so4", "SO4");
    row("upper case stays", "NaCl", "NaCl");
    row("second letter after upper", "CA", "CA");

    // Function names become tokens.
    row("2sin30", "2sin30", "2*:sin30", false);
    row("sinsqrt4", "sinsqrt4", ":sin:sqrt4", false);
    row("pi2", "pi2", ":pi*2", false);
    row("pi alone", "pi", ":pi", false);
    row("sin alone takes the last result", "sin", ":sin10", false);
    row("sqrt+1 takes the last result", "sqrt+1", ":sqrt10+1", false);
    row("ans is no function of the result", "ans+1", ":ans+1", false);
    row("mem2", "mem2", ":mem*2", false);
    row("longest name wins", "arcsin1", ":arcsin1", false);
    row("asin is longer than as", "asin1", ":asin1", false);
    row("sqrt beats sqr", "sqrt9", ":sqrt9", false);
    row("sqr alone", "sqr9", ":sqr9", false);
    row("after a bracket", "(2)cos0", "(2)*:cos0", false);
    row("ln", "ln5", ":ln5", false);
    row("tg", "tg1", ":tg1", false);
    row("function after a formula", "H2sin30", "(H2)*:sin30", false);
    row("function after a formula with brackets", "Ca(OH)2ln5", "(Ca(OH)2)*:ln5", false);
    row("function after an operator brackets formulas", "2+H2sin30", "2+(H2)*:sin30", false);

    // Numbers and operators.
    row("exponent plus", "1e+5", "1E5", false);
    row("exponent upper", "1E+5", "1E5", false);
    row("exponent minus", "1e-5", "1E-5", false);
    row("power", "3**2", "3^2", false);
    row("plus minus", "4+-1", "4-1");
    row("empty round brackets", "()", "");
    row("empty square brackets", "[]", "");
    row("empty braces", "{}", "");
    row("double minus", "5--3", "5-1*-3");
    row("plus after bracket", "(+2)", "(2)");
    row("plus after operator", "2*+3", "2*3", false);
    row("plus after square bracket", "[+2]", "[2]");
    row("double plus", "2++3", "2+3");
    row("leading point", ".5", "0.5");
    row("comma as decimal", "2,5", "2.5");
    row("point after digit", "2.5", "2.5");
    row("multiplication sign", "3 × 4 ÷ 2", "3*4/2");
    row("multiplication sign keeps molar mass", "2×H2O", "2*(H2O)");
    row("hydrate dots are plus", "CuSO4·5H2O•H2O∙H2O", "(CuSO4)+5*(H2O)+(H2O)+(H2O)");
    row("plain point stays a decimal mark", "CuSO4.5H2O", "CuSO4.5H2O");
    row("equals ends", "12=5", "12");
    row("dropped punctuation", "a:b;c", "AbC");
    row("other dropped punctuation", "1@$<>_`+2", "1+2");
    row("blanks and tabs dropped", " 1 +\t2 ", "1+2");
    row("other letters dropped", "2č+3", "2+3");
    row("percent clears", "15%200", "15%200", false);
    row("implicit multiplication", "2(3+4)", "2*(3+4)");
    row("implicit multiplication braces", "2{3}", "2*{3}");
    row("no multiplication after operator", "2+(3)", "2+(3)");

    // Formula parts inside expressions.
    row("formula sum", "2H2O+NaCl", "2*(H2O)+(NaCl)");
    row("coefficient before bracket", "3(OH)2", "3*(OH)2");
    row("product clears", "H2O*2", "(H2O)*2", false);
    row("formula minus", "NaCl-Cl", "(NaCl)-(Cl)");
    row("exponent after digit is no symbol", "2E5+H", "2E5+(H)", false);
    row("count runs on", "Ca(OH)2+1", "(Ca(OH)2)+1");
    row("formula alone untouched", "Ca(OH)2", "Ca(OH)2");

    // The previous result in front of a leading operator.
    row("plus with a result", "+5", "10+5");
    row("times with a result", "*2", "10*2", false);
    row("minus is a sign", "-5", "-5");
    row("after a message", "+5", "???+5", true, "Syntax error!");
    row("no result yet", "^2", "???^2", false, "");

    // Decimal marks by setting.
    row("comma system, point typed", ".5", "0,5", true, "", ',');
    row("comma system, digits", "2.5", "2,5", true, "", ',');
    row("thousands keep marks", "1,234.5", "1,234.5", true, "", '.', true);
    row("function of a comma result", "sqrt", ":sqrt2,5", false, "2,5", ',');
}

void TestNormaliser::normalise()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, previousResult);
    QFETCH(char, separator);
    QFETCH(bool, thousands);
    QFETCH(QByteArray, expected);
    QFETCH(bool, molarMass);

    const std::string previous = previousResult.toStdString();
    const pse::NormalisedInput result =
        pse::normaliseInput(input.toStdString(), {separator, thousands, previous});
    QCOMPARE(QByteArray::fromStdString(result.text), expected);
    QCOMPARE(result.molarMassResult, molarMass);
}

QTEST_APPLESS_MAIN(TestNormaliser)
#include "tst_normaliser.moc"
