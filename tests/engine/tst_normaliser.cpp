// SPDX-License-Identifier: GPL-3.0-or-later
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

    // Symbols and their case; a pair that is itself an element wins only when nothing follows.
    row("symbols", "nacl+h2so4+po4+so4+kmno4+mn+zn+z+xe+vwx+ho2+hs2+hf2+co2+no2",
        "(NaCl)+(H2SO4)+(PO4)+(SO4)+(KMnO4)+(Mn)+(Zn)+(Z)+(Xe)+(VWX)+(HO2)+(HS2)+(HF2)+(CO2)+("
        "NO2)");
    row("co is cobalt", "co", "Co");
    row("no is nobelium", "no", "No");
    row("hf is hafnium", "hf", "Hf");
    row("second letter after upper", "CA", "CA");

    // Function names become tokens; the longest name wins.
    row("names", "sinsqrt4+arcsin1+asin1+sqrt9+sqr9+ln5+tg1+pi2+mem2",
        ":sin:sqrt4+:arcsin1+:asin1+:sqrt9+:sqr9+:ln5+:tg1+:pi*2+:mem*2", false);
    row("2sin30", "2sin30", "2*:sin30", false);
    row("after a bracket", "(2)cos0", "(2)*:cos0", false);
    row("last result, constants take none", "sqrt+ans+pi", ":sqrt10+:ans+:pi", false);
    row("sin alone takes the last result", "sin", ":sin10", false);
    row("function after a formula", "H2sin30", "(H2)*:sin30", false);
    row("function after a formula with brackets", "Ca(OH)2ln5", "(Ca(OH)2)*:ln5", false);
    row("function after an operator brackets formulas", "2+H2sin30", "2+(H2)*:sin30", false);

    // Numbers and operators.
    row("exponents", "1e+5+1E+5+1e-5", "1E5+1E5+1E-5", false);
    row("power, plus after operator", "3**2*+3", "3^2*3", false);
    row("signs", "4+-1++3--3", "4-1+3-1*-3");
    row("empty brackets", "()[]{}", "");
    row("plus after brackets", "(+2)+[+2]", "(2)+[2]");
    row("brackets of every kind", "[h]2+{o}", "[H]2+{O}");
    row("decimal marks", ".5+2,5+2.5", "0.5+2.5+2.5");
    row("multiplication sign", "3 × 4 ÷ 2", "3*4/2");
    row("multiplication sign keeps molar mass", "2×H2O", "2*(H2O)");
    row("hydrate dots are plus", "CuSO4·5H2O•H2O∙H2O", "(CuSO4)+5*(H2O)+(H2O)+(H2O)");
    row("plain point stays a decimal mark", "CuSO4.5H2O", "CuSO4.5H2O");
    row("equals ends", "12=5", "12");
    row("printable ends kept", "5!+1~2", "5!+1~2"); // they fail later, but they are not dropped
    row("dropped punctuation", "a:b;c@$<>_`+2", "(AbC)+2");
    row("blanks, tabs, other letters dropped", " 1 +\t2č+3 ", "1+2+3");
    row("percent clears", "15%200", "15%200", false);
    row("implicit multiplication", "2(3+4)+2{3}+2+(3)", "2*(3+4)+2*{3}+2+(3)");

    // Formula parts inside expressions.
    row("formula sum", "2H2O+NaCl-Cl+3(OH)2", "2*(H2O)+(NaCl)-(Cl)+3*(OH)2");
    row("product clears", "H2O*2", "(H2O)*2", false);
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
    row("comma system", ".5+2.5", "0,5+2,5", true, "", ',');
    row("thousands keep marks", "1,234.5", "1,234.5", true, "", '.', true);
    row("a kept mark is a coefficient", "2+.h", "2+.*(H)", true, "", '.', true);
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
