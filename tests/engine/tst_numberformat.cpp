#include "calc/engine/NumberFormat.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void general_data();
    void general();
    void pattern_data();
    void pattern();
    void parse_data();
    void parse();
    void parseRejects_data();
    void parseRejects();
    void formatThenParseKeepsFifteenDigits();
};

void TestNumberFormat::general_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("zero") << 0.0 << '.' << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << '.' << QByteArray("0");
    QTest::newRow("integer") << 7.0 << '.' << QByteArray("7");
    QTest::newRow("negative fraction") << -2.5 << '.' << QByteArray("-2.5");
    QTest::newRow("comma separator") << 2.5 << ',' << QByteArray("2,5");
    QTest::newRow("binary noise dropped") << 0.1 + 0.2 << '.' << QByteArray("0.3");
    QTest::newRow("fifteen digits") << 2.0 / 3.0 << '.' << QByteArray("0.666666666666667");
    QTest::newRow("molar mass") << 58.4425 << '.' << QByteArray("58.4425");
    QTest::newRow("1e-4 stays plain") << 0.0001 << '.' << QByteArray("0.0001");
    QTest::newRow("1.5e-5 exponent") << 1.5e-5 << '.' << QByteArray("1.5E-05");
    QTest::newRow("exponent with comma") << 1.5e-5 << ',' << QByteArray("1,5E-05");
    QTest::newRow("largest plain") << 999999999999999.0 << '.' << QByteArray("999999999999999");
    QTest::newRow("1e15 exponent") << 1e15 << '.' << QByteArray("1E+15");
    QTest::newRow("rounds up into exponent") << 9999999999999999.0 << '.' << QByteArray("1E+16");
    QTest::newRow("1e20") << 1e20 << '.' << QByteArray("1E+20");
    QTest::newRow("long mantissa")
        << 123456789012345678.0 << '.' << QByteArray("1.23456789012346E+17");
    QTest::newRow("three-digit exponent") << -1e-300 << '.' << QByteArray("-1E-300");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << '.'
                              << QByteArray("Overflow");
}

void TestNumberFormat::general()
{
    QFETCH(double, value);
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(pse::formatGeneral(value, separator)), expected);
    QCOMPARE(QByteArray::fromStdString(pse::formatWithPattern(value, "General Number", separator)),
             expected);
}

void TestNumberFormat::pattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");

    // The information panel's two patterns.
    QTest::newRow("###0.0# two decimals")
        << 14.02 << QByteArray("###0.0#") << '.' << QByteArray("14.02");
    QTest::newRow("###0.0# 1808.16")
        << 1808.16 << QByteArray("###0.0#") << '.' << QByteArray("1808.16");
    QTest::newRow("###0.0# one decimal")
        << 288.1 << QByteArray("###0.0#") << '.' << QByteArray("288.1");
    QTest::newRow("###0.0# keeps one zero")
        << 300.0 << QByteArray("###0.0#") << '.' << QByteArray("300.0");
    QTest::newRow("###0.0# decimal half rounds up")
        << 1808.155 << QByteArray("###0.0#") << '.' << QByteArray("1808.16");
    QTest::newRow("###0.0# comma") << 14.02 << QByteArray("###0.0#") << ',' << QByteArray("14,02");
    QTest::newRow("###0.0# below one")
        << 0.005 << QByteArray("###0.0#") << '.' << QByteArray("0.01");
    QTest::newRow("0.0# E+00 two decimals")
        << 1.17e7 << QByteArray("0.0# E+00") << '.' << QByteArray("1.17 E+07");
    QTest::newRow("0.0# E+00 small")
        << 5.56e-5 << QByteArray("0.0# E+00") << '.' << QByteArray("5.56 E-05");
    QTest::newRow("0.0# E+00 one decimal")
        << 1e7 << QByteArray("0.0# E+00") << '.' << QByteArray("1.0 E+07");
    QTest::newRow("0.0# E+00 carry into exponent")
        << 9.999e7 << QByteArray("0.0# E+00") << '.' << QByteArray("1.0 E+08");
    QTest::newRow("0.0# E+00 negative")
        << -1.17e7 << QByteArray("0.0# E+00") << ',' << QByteArray("-1,17 E+07");
    QTest::newRow("0.0# E+00 zero")
        << 0.0 << QByteArray("0.0# E+00") << '.' << QByteArray("0.0 E+00");

    // The calculator's scientific display.
    QTest::newRow("scientific 18.0153")
        << 18.0153 << QByteArray("0.00 E+00") << '.' << QByteArray("1.80 E+01");
    QTest::newRow("scientific 0.00012")
        << 0.00012 << QByteArray("0.00 E+00") << '.' << QByteArray("1.20 E-04");
    QTest::newRow("scientific no decimals")
        << 18.0153 << QByteArray("0. E+00") << '.' << QByteArray("2. E+01");
    QTest::newRow("scientific three-digit exponent")
        << 1.5e200 << QByteArray("0.0 E+00") << '.' << QByteArray("1.5 E+200");

    // The evaluator's result pattern: one integer digit, a sign only when negative.
    QTest::newRow("result 7") << 7.0 << QByteArray("#0.000000000000e-000") << '.'
                              << QByteArray("7.000000000000e000");
    QTest::newRow("result 58.4425")
        << 58.4425 << QByteArray("#0.000000000000e-000") << '.' << QByteArray("5.844250000000e001");
    QTest::newRow("result 0.5") << 0.5 << QByteArray("#0.000000000000e-000") << '.'
                                << QByteArray("5.000000000000e-001");
    QTest::newRow("result negative")
        << -2.0 << QByteArray("#0.000000000000e-000") << ',' << QByteArray("-2,000000000000e000");
    QTest::newRow("result rounds to 12 decimals") << 2.0 / 3.0 << QByteArray("#0.000000000000e-000")
                                                  << '.' << QByteArray("6.666666666667e-001");
    QTest::newRow("result zero") << 0.0 << QByteArray("#0.000000000000e-000") << '.'
                                 << QByteArray("0.000000000000e000");
    QTest::newRow("result tiny") << 1e-300 << QByteArray("#0.000000000000e-000") << '.'
                                 << QByteArray("1.000000000000e-300");

    // Fixed patterns of the rounded and molar-mass displays.
    QTest::newRow("#0.00 two thirds")
        << 2.0 / 3.0 << QByteArray("#0.00") << '.' << QByteArray("0.67");
    QTest::newRow("#0.000 two thirds")
        << 2.0 / 3.0 << QByteArray("#0.000") << '.' << QByteArray("0.667");
    QTest::newRow("#0.00 half away from zero")
        << 0.125 << QByteArray("#0.00") << '.' << QByteArray("0.13");
    QTest::newRow("#0.00 negative half")
        << -0.125 << QByteArray("#0.00") << '.' << QByteArray("-0.13");
    QTest::newRow("#0.00 negative rounds to zero")
        << -0.001 << QByteArray("#0.00") << '.' << QByteArray("0.00");
    QTest::newRow("#0.00 large") << 1e20 << QByteArray("#0.00") << '.'
                                 << QByteArray("100000000000000000000.00");
    QTest::newRow("#0.00 comma") << 2.5 << QByteArray("#0.00") << ',' << QByteArray("2,50");
    QTest::newRow("#0. keeps separator") << 98.0 << QByteArray("#0.") << '.' << QByteArray("98.");
    QTest::newRow("#0. rounds") << 98.5 << QByteArray("#0.") << ',' << QByteArray("99,");
    QTest::newRow("#0.0000 NaCl") << 58.4425 << QByteArray("#0.0000") << '.'
                                  << QByteArray("58.4425");
    QTest::newRow("#0.0000 water")
        << 18.01528 << QByteArray("#0.0000") << '.' << QByteArray("18.0153");
    QTest::newRow("#.00 no integer digit") << 0.5 << QByteArray("#.00") << '.' << QByteArray(".50");
    QTest::newRow("#0 no point") << 2.5 << QByteArray("#0") << '.' << QByteArray("3");

    // "Standard": thousands grouped by the other separator, two decimals.
    QTest::newRow("Standard") << 1234.5 << QByteArray("Standard") << '.' << QByteArray("1,234.50");
    QTest::newRow("Standard comma")
        << 1234.5 << QByteArray("Standard") << ',' << QByteArray("1.234,50");
    QTest::newRow("Standard millions")
        << -1234567.891 << QByteArray("Standard") << '.' << QByteArray("-1,234,567.89");
    QTest::newRow("Standard carry adds group")
        << 999.995 << QByteArray("Standard") << '.' << QByteArray("1,000.00");
    QTest::newRow("Standard small") << 12.0 << QByteArray("Standard") << '.' << QByteArray("12.00");
    QTest::newRow("Standard zero") << 0.0 << QByteArray("Standard") << '.' << QByteArray("0.00");
    QTest::newRow("pattern infinity") << -std::numeric_limits<double>::infinity()
                                      << QByteArray("#0.00") << '.' << QByteArray("Overflow");
}

void TestNumberFormat::pattern()
{
    QFETCH(double, value);
    QFETCH(QByteArray, pattern);
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(
        QByteArray::fromStdString(pse::formatWithPattern(value, pattern.toStdString(), separator)),
        expected);
}

void TestNumberFormat::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << QByteArray("42") << '.' << 42.0;
    QTest::newRow("negative") << QByteArray("-2.5") << '.' << -2.5;
    QTest::newRow("plus sign") << QByteArray("+3") << '.' << 3.0;
    QTest::newRow("comma") << QByteArray("2,5") << ',' << 2.5;
    QTest::newRow("trailing separator") << QByteArray("98.") << '.' << 98.0;
    QTest::newRow("leading separator") << QByteArray(".5") << '.' << 0.5;
    QTest::newRow("general exponent") << QByteArray("1E+20") << '.' << 1e20;
    QTest::newRow("negative exponent") << QByteArray("1.5E-05") << '.' << 1.5e-5;
    QTest::newRow("result pattern") << QByteArray("5.844250000000e001") << '.' << 58.4425;
    QTest::newRow("exponent without sign") << QByteArray("1E5") << '.' << 1e5;
    QTest::newRow("underflow is zero") << QByteArray("1e-400") << '.' << 0.0;
    QTest::newRow("many digits below one")
        << QByteArray("0.000000000000000000000000000000000000000000000000001e-300") << '.' << 0.0;
    QTest::newRow("overflow") << QByteArray("1e400") << '.'
                              << std::numeric_limits<double>::infinity();
    QTest::newRow("negative overflow")
        << QByteArray("-1e400") << '.' << -std::numeric_limits<double>::infinity();
    QTest::newRow("overflow by digits")
        << QByteArray(QByteArray(400, '9')) << '.' << std::numeric_limits<double>::infinity();
    QTest::newRow("digits cancel a negative exponent")
        << QByteArray(QByteArray(400, '9') + "e-10") << '.'
        << std::numeric_limits<double>::infinity();
}

void TestNumberFormat::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QFETCH(double, expected);
    const std::optional<double> value = pse::parseNumber(text.toStdString(), separator);
    QVERIFY(value.has_value());
    QCOMPARE(*value, expected);
}

void TestNumberFormat::parseRejects_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");

    QTest::newRow("empty") << QByteArray() << '.';
    QTest::newRow("separator only") << QByteArray(".") << '.';
    QTest::newRow("sign only") << QByteArray("-") << '.';
    QTest::newRow("wrong separator") << QByteArray("2,5") << '.';
    QTest::newRow("two separators") << QByteArray("1.2.3") << '.';
    QTest::newRow("exponent without digits") << QByteArray("1E") << '.';
    QTest::newRow("exponent without mantissa") << QByteArray("E5") << '.';
    QTest::newRow("blank") << QByteArray(" 1") << '.';
    QTest::newRow("message") << QByteArray("Syntax error!") << '.';
    QTest::newRow("question marks") << QByteArray("???") << '.';
    QTest::newRow("two signs") << QByteArray("--1") << '.';
}

void TestNumberFormat::parseRejects()
{
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QVERIFY(!pse::parseNumber(text.toStdString(), separator).has_value());
}

void TestNumberFormat::formatThenParseKeepsFifteenDigits()
{
    // The evaluator writes every intermediate result in the general format and reads it back:
    // that round trip must agree with rounding to 15 significant digits.
    const double values[] = {1.0 / 3.0, 1e-7 / 3.0, 123456.789012345678, -9.87654321e123,
                             0.1 + 0.7};
    for (const double v : values) {
        const std::optional<double> back = pse::parseNumber(pse::formatGeneral(v, ','), ',');
        QVERIFY(back.has_value());
        QCOMPARE(*back, std::stod(pse::formatGeneral(v)));
        QVERIFY(std::fabs(*back - v) <= std::fabs(v) * 1e-14);
    }
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
