// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Each row formats several values with one pattern; expected lists the texts, "|" between.
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *pattern, char separator, QList<double> values,
                        const char *expected) {
        QTest::newRow(qPrintable(QString("%1 %2").arg(pattern).arg(separator)))
            << values << QByteArray(pattern) << separator << QByteArray(expected);
    };
    row("General Number", '.',
        {0.0, -0.0, -2.5, 0.1 + 0.2, 2.0 / 3.0, 0.0001, 1.5e-5, 999999999999999.0, 1e15,
         9999999999999999.0, 123456789012345678.0, -1e-300, inf},
        "0|0|-2.5|0.3|0.666666666666667|0.0001|1.5E-05|999999999999999|1E+15|1E+16|"
        "1.23456789012346E+17|-1E-300|Overflow");
    row("General Number", ',', {2.5, 1.5e-5}, "2,5|1,5E-05");
    // The information panel's two patterns.
    row("###0.0#", '.', {14.02, 288.1, 300.0, 1808.155, 0.005}, "14.02|288.1|300.0|1808.16|0.01");
    row("###0.0#", ',', {14.02}, "14,02");
    row("0.0# E+00", '.', {1.17e7, 5.56e-5, 1e7, 9.999e7, 0.0},
        "1.17 E+07|5.56 E-05|1.0 E+07|1.0 E+08|0.0 E+00");
    row("0.0# E+00", ',', {-1.17e7}, "-1,17 E+07");
    // The calculator's scientific display and the evaluator's result pattern.
    row("0.00 E+00", '.', {18.0153}, "1.80 E+01");
    row("0.0 E+00", '.', {1.5e200}, "1.5 E+200");
    row("#0.000000000000e-000", '.', {58.4425, 0.5, 0.0, 1e-300},
        "5.844250000000e001|5.000000000000e-001|0.000000000000e000|1.000000000000e-300");
    // Fixed patterns of the rounded and molar-mass displays: half away from zero.
    row("#0.00", '.', {2.0 / 3.0, 0.125, -0.125, -0.001, 1e20, -inf},
        "0.67|0.13|-0.13|0.00|100000000000000000000.00|Overflow");
    row("#0.00", ',', {2.5}, "2,50");
    row("#0.", '.', {98.0}, "98.");
    row("#0.", ',', {98.5}, "99,");
    row("#.00", '.', {0.5}, ".50");
    row("#0", '.', {2.5}, "3");
    row("#0.0E", '.', {2.5}, "2.5E"); // an "E" without a sign is a letter like any other
    // "Standard": thousands grouped by the other separator, two decimals.
    row("Standard", '.', {-1234567.891, 999.995, 12.0, 0.0}, "-1,234,567.89|1,000.00|12.00|0.00");
}

void TestNumberFormat::format()
{
    QFETCH(QList<double>, values);
    QFETCH(QByteArray, pattern);
    QFETCH(char, separator);
    QFETCH(QByteArray, expected);
    QByteArrayList texts;
    // The pattern is read as a view: an exponent sign just after its end must not count.
    const std::string padded = pattern.toStdString() + "+0";
    const std::string_view view = std::string_view(padded).substr(0, std::size_t(pattern.size()));
    for (const double value : values) {
        const std::string text = pse::formatWithPattern(value, view, separator);
        texts << QByteArray::fromStdString(text);
        if (pattern != "General Number")
            continue;
        QCOMPARE(pse::formatGeneral(value, separator), text);
        // The evaluator relies on this: the general text reads back as the rounded value.
        if (std::isfinite(value))
            QCOMPARE(pse::roundGeneral(value), pse::parseNumber(text, separator));
    }
    QCOMPARE(texts.join('|'), expected);
}

void TestNumberFormat::parse_data()
{
    // texts: several, "|" between; values: what each reads as, NaN for no number.
    QTest::addColumn<QByteArray>("texts");
    QTest::addColumn<char>("separator");
    QTest::addColumn<bool>("grouping");
    QTest::addColumn<QList<double>>("values");
    const auto row = [](const char *name, const QByteArray &texts, QList<double> values,
                        char separator = '.', bool grouping = false) {
        QTest::newRow(name) << texts << separator << grouping << values;
    };
    row("numbers", "-2.5|+3|98.|.5|1E+20|1.5E-05|5.844250000000e001|1E5",
        {-2.5, 3, 98, 0.5, 1e20, 1.5e-5, 58.4425, 1e5});
    row("comma", "2,5|2.5", {2.5, rejected}, ',');
    row("beyond the range", "1e-400|0." + QByteArray(50, '0') + "1e-300|1e400|-1e400",
        {0, 0, inf, -inf});
    row("beyond by digits", QByteArray(400, '9') + "|" + QByteArray(400, '9') + "e-10", {inf, inf});
    row("grouping", "1,234.5|1,,234|,5|1,|1,.5", {1234.5, rejected, rejected, rejected, rejected},
        '.', true);
    row("grouping with comma", "1.234,5", {1234.5}, ',', true);
    row("no grouping", "1,234.5", {rejected});
    row("no numbers", "|.|-|2,5|1.2.3|1E|E5| 1|Syntax error!|???|--1", QList<double>(11, rejected));
}

void TestNumberFormat::parse()
{
    QFETCH(QByteArray, texts);
    QFETCH(char, separator);
    QFETCH(bool, grouping);
    QFETCH(QList<double>, values);
    const QByteArrayList list = texts.split('|');
    QCOMPARE(list.size(), values.size());
    for (qsizetype k = 0; k < list.size(); ++k) {
        // The text is read as a view: a digit just after its end must not count.
        const std::string padded = list[k].toStdString() + "9";
        const std::optional<double> value = pse::parseNumber(
            std::string_view(padded).substr(0, padded.size() - 1), separator, grouping);
        QVERIFY2(value.has_value() != std::isnan(values[k]), list[k].constData());
        if (value)
            QCOMPARE(*value, values[k]);
    }
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
