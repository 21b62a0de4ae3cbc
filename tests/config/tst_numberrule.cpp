#include "config/NumberRule.h"

#include <QTest>

#include <clocale>

using namespace pse;

// The rule that reads every number a person types: the configuration file, the temperature box and
// the sweep boxes. It must read "." as the decimal point whatever the system's locale, so the
// table is run under a Croatian locale, where the C library's own reading takes "," instead. Its
// rounding to whole numbers is tested where the reader and the thermometer use it.
class TestNumberRule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void leadingNumber_data();
    void leadingNumber();
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

QTEST_GUILESS_MAIN(TestNumberRule)
#include "tst_numberrule.moc"
