#include "config/NumberRule.h"

#include <QTest>

#include <clocale>

using namespace pse;

// The rule that reads every number a person types: the configuration file, the temperature box and
// the sweep boxes. It must read "." as the decimal point whatever the system's locale, so the
// table is run under a Croatian locale, where the C library's own reading takes "," instead.
class TestNumberRule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void leadingNumber_data();
    void leadingNumber();
    void whole16_data();
    void whole16();
};

void TestNumberRule::initTestCase()
{
    // A comma locale where the machine has one; CI also runs the whole suite under one.
    if (!std::setlocale(LC_ALL, "hr_HR.UTF-8"))
        qInfo("hr_HR.UTF-8 is not installed; the locale of the environment is used");
}

void TestNumberRule::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    // Only right where the decimal point is "." whatever the locale.
    QTest::newRow("decimal point") << "20.6" << 20.6;
    QTest::newRow("fraction only") << ".6" << 0.6;
    QTest::newRow("exponent with fraction") << "2.5e2" << 250.0;
    QTest::newRow("comma is no decimal point") << "3,7" << 3.0;
    // Blanks, signs and what follows the number.
    QTest::newRow("blanks inside") << " 1 2\t3 " << 123.0;
    QTest::newRow("sign apart from digits") << "\t- 16" << -16.0;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("unit after number") << "300 K" << 300.0;
    QTest::newRow("dangling exponent") << "7e" << 7.0;
    QTest::newRow("exponent sign only") << "7e-" << 7.0;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("letter first") << "x5" << 0.0;
    QTest::newRow("non-ASCII ends it") << QString::fromUtf8("12\u00b05") << 12.0;
    QTest::newRow("too large") << "-1e400" << -1.7976931348623157e308;
    QTest::newRow("too small") << "1e-400" << 0.0;
}

void TestNumberRule::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(pse::leadingNumber(text), value);
}

void TestNumberRule::whole16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("whole"); // -99999 for "outside the range"
    QTest::addColumn<int>("clamped");
    QTest::newRow("half to even, down") << 12.5 << 12 << 12;
    QTest::newRow("half to even, up") << 13.5 << 14 << 14;
    QTest::newRow("negative half") << -2.5 << -2 << -2;
    QTest::newRow("largest") << 32766.5 << 32766 << 32766;
    QTest::newRow("rounds past the top") << 32767.5 << -99999 << 32767;
    QTest::newRow("smallest") << -32768.0 << -32768 << -32768;
    QTest::newRow("below the range") << -32769.0 << -99999 << -32768;
    QTest::newRow("not a number") << qQNaN() << -99999 << 0;
}

void TestNumberRule::whole16()
{
    QFETCH(double, value);
    QFETCH(int, whole);
    QFETCH(int, clamped);
    const std::optional<qint16> read = toWhole16(value);
    QCOMPARE(read ? int(*read) : -99999, whole);
    QCOMPARE(int(clampToWhole16(value)), clamped);
}

QTEST_GUILESS_MAIN(TestNumberRule)
#include "tst_numberrule.moc"
