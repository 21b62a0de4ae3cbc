// SPDX-License-Identifier: GPL-3.0-or-later
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
    void massTable();
};

void TestExpansion::expand_data()
{
    // expected empty: the symbol stays unknown, named by lastSymbol. after: the normalised text
    // once the repairs are done.
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("previous");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("massDecimals");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("lastSymbol");
    const auto row = [](const char *text, const char *expected, int decimals,
                        const char *after = nullptr, const char *lastSymbol = "",
                        const char *previous = "42", char separator = '.') {
        QTest::newRow(text) << QByteArray(text) << QByteArray(previous) << separator
                            << QByteArray(expected) << decimals << QByteArray(after ? after : text)
                            << QByteArray(lastSymbol);
    };
    const auto unknown = [&](const char *text, const char *symbol, const char *previous = "42") {
        row(text, "", 0, text, symbol, previous);
    };
    row("NaCl", "22.98977+35.4527", 4);
    row("H2O", "1.00794*2+15.9994", 4);
    row("Ca(OH)2", "40.078+(15.9994+1.00794)*2", 3);
    row("2*(H2O)+(NaCl)", "2*(1.00794*2+15.9994)+(22.98977+35.4527)", 4);
    row("H12+[H]2+{O}", "1.00794*12+(1.00794)*2+(15.9994)", 4);
    row("Tc", "98", 0);
    row("5+3", "5+3", 10);
    row("1E5+Er", "1E5+167.26", 2);
    row("2E-3+H", "2E-3+1.00794", 5);
    row("HE", "1.00794+E", 5); // joined as a symbol, then copied as an exponent
    row("5-3-(2)", "5+-3+-1*(2)", 10);
    row("-(2)", "-1*(2)", 10);
    row("5*-", "5*-1*", 10);
    row("2^-1", "2^-1", 10);
    row("(3)(4)", "(3)+(4)", 10);
    row(":ans+2*:pi+:mem*2", "42+2*3.14159265358979+0.5*2", 10);
    row(":sin30+:sin-30", ":sin30+:sin-30", 10);
    row(":sqrt(H)", ":sqrt(1.00794)", 5);
    row("(H2)*:sin30", "(1.00794*2)*:sin30", 5);
    row("x+???+5", "x+???+5", 10);
    row("AG+ZN", "(107.8682)+(65.39)", 2, "(Ag)+(Zn)");
    row("Nh", "14.00674+1.00794", 5, "NH");
    row("H2O+:pi", "1,00794*2+15,9994+3,14159265358979", 4, nullptr, "", "", ',');
    unknown("Ab", "Ab");
    unknown("A", "A");
    unknown("Qq", "Qq");
    unknown("NaQq", "Qq");
    unknown("J2", "J");
    unknown(":ans+H", "Sy", "Syntax error!"); // from the previous result: nothing to repair
}

void TestExpansion::expand()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, previous);
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QFETCH(int, massDecimals);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, lastSymbol);

    std::string normalised = text.toStdString();
    const std::string previousResult = previous.toStdString();
    const pse::Expansion expansion =
        pse::expandFormula(normalised, {{separator, false, previousResult}, 0.5});
    QCOMPARE(QByteArray::fromStdString(expansion.text), expected);
    QCOMPARE(int(expansion.massDecimals), massDecimals);
    QCOMPARE(QByteArray::fromStdString(normalised), after);
    QCOMPARE(expansion.symbolError, expected.isEmpty());
    if (expansion.symbolError)
        QCOMPARE(QByteArray::fromStdString(expansion.lastSymbol), lastSymbol);
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
        wholeNumbers += entry.decimals == 0 ? 1 : 0;
    }
    QCOMPARE(wholeNumbers, 25);
    for (const char *none : {"CO", "co", "", "Nah", "C1", "Aa"})
        QVERIFY(pse::findAtomicMass(none) == nullptr);
}

QTEST_APPLESS_MAIN(TestExpansion)
#include "tst_expansion.moc"
