#include "calc/engine/NumberFormat.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double rejected = std::numeric_limits<double>::quiet_NaN();

} // namespace

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void parse_data();
    void parse();
};

void TestNumberFormat::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](double value, const char *pattern, const char *expected,
                        char separator = '.') {
        QTest::newRow(
            qPrintable(QString("%1 %2 %3").arg(pattern).arg(value, 0, 'g', 17).arg(separator)))
            << value << QByteArray(pattern) << separator << QByteArray(expected);
    };
    row(0.0, "General Number", "0");
    row(-0.0, "General Number", "0");
    row(-2.5, "General Number", "-2.5");
    row(2.5, "General Number", "2,5", ',');
    row(0.1 + 0.2, "General Number", "0.3");
    row(2.0 / 3.0, "General Number", "0.666666666666667");
    row(0.0001, "General Number", "0.0001");
    row(1.5e-5, "General Number", "1.5E-05");
    row(1.5e-5, "General Number", "1,5E-05", ',');
    row(999999999999999.0, "General Number", "999999999999999");
    row(1e15, "General Number", "1E+15");
    row(9999999999999999.0, "General Number", "1E+16");
    row(123456789012345678.0, "General Number", "1.23456789012346E+17");
    row(-1e-300, "General Number", "-1E-300");
    row(inf, "General Number", "Overflow");
    row(14.02, "###0.0#", "14.02");
    row(288.1, "###0.0#", "288.1");
    row(300.0, "###0.0#", "300.0");
    row(1808.155, "###0.0#", "1808.16");
    row(14.02, "###0.0#", "14,02", ',');
    row(0.005, "###0.0#", "0.01");
    row(1.17e7, "0.0# E+00", "1.17 E+07");
    row(5.56e-5, "0.0# E+00", "5.56 E-05");
    row(1e7, "0.0# E+00", "1.0 E+07");
    row(9.999e7, "0.0# E+00", "1.0 E+08");
    row(-1.17e7, "0.0# E+00", "-1,17 E+07", ',');
    row(0.0, "0.0# E+00", "0.0 E+00");
    row(18.0153, "0.00 E+00", "1.80 E+01");
    row(1.5e200, "0.0 E+00", "1.5 E+200");
    row(58.4425, "#0.000000000000e-000", "5.844250000000e001");
    row(0.5, "#0.000000000000e-000", "5.000000000000e-001");
    row(0.0, "#0.000000000000e-000", "0.000000000000e000");
    row(1e-300, "#0.000000000000e-000", "1.000000000000e-300");
    row(2.0 / 3.0, "#0.00", "0.67");
    row(0.125, "#0.00", "0.13");
    row(-0.125, "#0.00", "-0.13");
    row(-0.001, "#0.00", "0.00");
    row(1e20, "#0.00", "100000000000000000000.00");
    row(2.5, "#0.00", "2,50", ',');
    row(98.0, "#0.", "98.");
    row(98.5, "#0.", "99,", ',');
    row(0.5, "#.00", ".50");
    row(2.5, "#0", "3");
    row(-1234567.891, "Standard", "-1,234,567.89");
    row(999.995, "Standard", "1,000.00");
    row(12.0, "Standard", "12.00");
    row(0.0, "Standard", "0.00");
    row(-inf, "#0.00", "Overflow");
}

void TestNumberFormat::format()
{
    QFETCH(double, value);
    QFETCH(QByteArray, pattern);
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(
        QByteArray::fromStdString(pse::formatWithPattern(value, pattern.toStdString(), separator)),
        expected);
    if (pattern != "General Number")
        return;
    QCOMPARE(QByteArray::fromStdString(pse::formatGeneral(value, separator)), expected);
    // The evaluator relies on this: the general text reads back as the rounded value.
    if (std::isfinite(value))
        QCOMPARE(pse::roundGeneral(value), pse::parseNumber(expected.toStdString(), separator));
}

void TestNumberFormat::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<bool>("grouping");
    QTest::addColumn<double>("expected"); // NaN: the text is no number
    const auto row = [](const QByteArray &text, double expected, char separator = '.',
                        bool grouping = false) {
        QTest::newRow(text.left(40) + (grouping ? " grouping" : ""))
            << text << separator << grouping << expected;
    };
    row("-2.5", -2.5);
    row("+3", 3.0);
    row("2,5", 2.5, ',');
    row("98.", 98.0);
    row(".5", 0.5);
    row("1E+20", 1e20);
    row("1.5E-05", 1.5e-5);
    row("5.844250000000e001", 58.4425);
    row("1E5", 1e5);
    row("1e-400", 0.0);
    row("0.000000000000000000000000000000000000000000000000001e-300", 0.0);
    row("1e400", inf);
    row("-1e400", -inf);
    row(QByteArray(400, '9'), inf);
    row(QByteArray(400, '9') + "e-10", inf);
    row("1,234.5", 1234.5, '.', true);
    row("1.234,5", 1234.5, ',', true);
    row("1,234.5", rejected);
    row("1,,234", rejected, '.', true);
    row(",5", rejected, '.', true);
    for (const char *text :
         {"", ".", "-", "2,5", "1.2.3", "1E", "E5", " 1", "Syntax error!", "???", "--1"})
        row(text, rejected);
}

void TestNumberFormat::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QFETCH(bool, grouping);
    QFETCH(double, expected);
    const std::optional<double> value = pse::parseNumber(text.toStdString(), separator, grouping);
    QCOMPARE(value.has_value(), !std::isnan(expected));
    if (value)
        QCOMPARE(*value, expected);
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
