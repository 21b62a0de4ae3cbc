#include "calc/engine/AtomicMassTable.h"
#include "calc/engine/FormulaExpander.h"
#include "calc/engine/NumberFormat.h"

#include <QTest>

class TestExpansion : public QObject
{
    Q_OBJECT

private slots:
    void expand_data();
    void expand();
    void symbolErrors_data();
    void symbolErrors();
    void commaSeparator();
    void massTable();
};

void TestExpansion::expand_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("massDecimals");
    QTest::addColumn<QByteArray>("textAfter"); // the normalised text after any repair

    const auto row = [](const char *name, const QByteArray &text, const QByteArray &expected,
                        int decimals, const QByteArray &after = QByteArray()) {
        QTest::newRow(name) << text << expected << decimals << (after.isNull() ? text : after);
    };
    row("NaCl", "NaCl", "22.98977+35.4527", 4);
    row("H2O", "H2O", "1.00794*2+15.9994", 4);
    row("Ca(OH)2", "Ca(OH)2", "40.078+(15.9994+1.00794)*2", 3);
    row("coefficient kept", "2*(H2O)+(NaCl)", "2*(1.00794*2+15.9994)+(22.98977+35.4527)", 4);
    row("two-digit count", "H12", "1.00794*12", 5);
    row("Tc has no decimals", "Tc", "98", 0);
    row("no letters", "5+3", "5+3", 10);
    row("exponent kept", "1E5", "1E5", 10);
    row("exponent with minus", "2E-3+H", "2E-3+1.00794", 5);
    row("erbium", "Er", "167.26", 2);
    row("E at the end is a symbol", "HE", "1.00794+E", 5);
    row("subtraction", "5-3", "5+-3", 10);
    row("sign before bracket", "-(2)", "-1*(2)", 10);
    row("subtraction before bracket", "5-(2)", "5+-1*(2)", 10);
    row("sign at the end", "5*-", "5*-1*", 10);
    row("negative exponent", "2^-1", "2^-1", 10);
    row("brackets side by side", "(3)(4)", "(3)+(4)", 10);
    row("square brackets", "[H]2", "(1.00794)*2", 5);
    row("braces", "{O}", "(15.9994)", 4);
    row("previous result", ":ans+1", "42+1", 10);
    row("pi", "2*:pi", "2*3.14159265358979", 10);
    row("memory", ":mem*2", "0.5*2", 10);
    row("function token passed whole", ":sin30", ":sin30", 10);
    row("function before bracket", ":sqrt(H)", ":sqrt(1.00794)", 5);
    row("sign after function", ":sin-30", ":sin-30", 10);
    row("function then formula", "(H2)*:sin30", "(1.00794*2)*:sin30", 5);
    row("lone lower-case letter passes", "x+1", "x+1", 10);
    row("question marks pass", "???+5", "???+5", 10);
    row("AG repaired to Ag", "AG", "107.8682", 4, "Ag");
    row("ZN repaired to Zn", "ZN", "65.39", 2, "Zn");
    row("Nh repaired to NH", "Nh", "14.00674+1.00794", 5, "NH");
    row("repair normalises again", "2*AG", "2*(107.8682)", 4, "2*(Ag)");
}

void TestExpansion::expand()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QFETCH(int, massDecimals);
    QFETCH(QByteArray, textAfter);

    std::string normalised = text.toStdString();
    const pse::Expansion expansion = pse::expandFormula(normalised, {{'.', false, "42"}, 0.5});
    QVERIFY(!expansion.symbolError);
    QCOMPARE(QByteArray::fromStdString(expansion.text), expected);
    QCOMPARE(int(expansion.massDecimals), massDecimals);
    QCOMPARE(QByteArray::fromStdString(normalised), textAfter);
}

void TestExpansion::symbolErrors_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("lastSymbol");

    QTest::newRow("Ab") << QByteArray("Ab") << QByteArray("Ab");
    QTest::newRow("A alone") << QByteArray("A") << QByteArray("A");
    QTest::newRow("Qq") << QByteArray("Qq") << QByteArray("Qq");
    QTest::newRow("after a good symbol") << QByteArray("NaQq") << QByteArray("Qq");
    QTest::newRow("J never repairs") << QByteArray("J2") << QByteArray("J");
    QTest::newRow("from the previous result") << QByteArray(":ans+H") << QByteArray("Sy");
}

void TestExpansion::symbolErrors()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, lastSymbol);
    std::string normalised = text.toStdString();
    const pse::Expansion expansion =
        pse::expandFormula(normalised, {{'.', false, "Syntax error!"}, 0.0});
    QVERIFY(expansion.symbolError);
    QVERIFY(expansion.text.empty());
    QCOMPARE(QByteArray::fromStdString(expansion.lastSymbol), lastSymbol);
}

void TestExpansion::commaSeparator()
{
    std::string normalised = "H2O+:pi";
    const pse::Expansion expansion = pse::expandFormula(normalised, {{',', false, ""}, 0.0});
    QCOMPARE(QByteArray::fromStdString(expansion.text),
             QByteArray("1,00794*2+15,9994+3,14159265358979"));
}

void TestExpansion::massTable()
{
    // Every mass must come back from its text unchanged, or molar masses would drift.
    const auto table = pse::atomicMassTable();
    QCOMPARE(table.size(), std::size_t(109));
    int wholeNumbers = 0;
    for (const pse::AtomicMassEntry &entry : table) {
        QCOMPARE(pse::findAtomicMass(entry.symbol), &entry);
        QCOMPARE(pse::parseNumber(pse::formatGeneral(entry.mass)).value_or(-1), entry.mass);
        if (entry.decimals == 0)
            ++wholeNumbers;
    }
    QCOMPARE(wholeNumbers, 25);
    QVERIFY(pse::findAtomicMass("CO") == nullptr);
    QVERIFY(pse::findAtomicMass("co") == nullptr);
    QVERIFY(pse::findAtomicMass("") == nullptr);
    QVERIFY(pse::findAtomicMass("Nah") == nullptr);
}

QTEST_APPLESS_MAIN(TestExpansion)
#include "tst_expansion.moc"
