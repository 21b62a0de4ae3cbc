// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScaleText.h"

#include <QTest>

using scaletext::Quantity;

class TestScaleText : public QObject
{
    Q_OBJECT

private slots:
    void ends_data();
    void ends();
};

void TestScaleText::ends_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("kelvin");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expectedMin");
    QTest::addColumn<QString>("expectedMax");
    const int plain = int(Quantity::Plain), temperature = int(Quantity::Temperature),
              year = int(Quantity::Year);
    QTest::newRow("years whole, never grouped") << year << 1650.0 << 1984.0 << "" << true << "en_US"
                                                << "1650"
                                                << "1984";
    QTest::newRow("melting points in kelvin, the panel's offsets")
        << temperature << -272.2 << 3550.0 << "°C" << true << "en_US"
        << "0.96"
        << "3823 K";
    QTest::newRow("the same in Celsius")
        << temperature << -272.2 << 3550.0 << "°C" << false << "en_US"
        << "-272"
        << "3550 °C";
    QTest::newRow("kelvin with a decimal comma")
        << temperature << -270.5 << 5930.0 << "" << true << "hr_HR"
        << "2,66"
        << "6203 K";
    QTest::newRow("conductivity in the panel's scientific form")
        << plain << 5e-16 << 6.3e7 << "S/m" << true << "en_US"
        << "5.0 E-16"
        << "6.3 E+07 S/m";
    QTest::newRow("scientific with a decimal comma")
        << plain << 5e-16 << 6.3e7 << "S/m" << true << "hr_HR"
        << "5,0 E-16"
        << "6,3 E+07 S/m";
    QTest::newRow("three significant digits, zeros dropped")
        << plain << 0.7 << 3.98 << "Pauling" << true << "en_US"
        << "0.7"
        << "3.98 Pauling";
    QTest::newRow("a gas's density small, a metal's plain")
        << plain << 8.988e-5 << 22.57 << "g/cm³" << true << "de_DE"
        << "8,99 E-05"
        << "22,6 g/cm³";
    QTest::newRow("plain from 0.01 up to below 10000")
        << plain << 0.0123 << 9876.5 << "" << false << "en_US"
        << "0.0123"
        << "9877";
    QTest::newRow("scientific from 10000") << plain << 0.0 << 10000.0 << "" << false << "en_US"
                                           << "0"
                                           << "1.0 E+04";
}

void TestScaleText::ends()
{
    QFETCH(int, quantity);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QString, unit);
    QFETCH(bool, kelvin);
    QFETCH(QString, locale);
    QFETCH(QString, expectedMin);
    QFETCH(QString, expectedMax);
    const scaletext::ScaleEnds texts =
        scaletext::ends(Quantity(quantity), min, max, unit, kelvin, QLocale(locale));
    QCOMPARE(texts.min, expectedMin);
    QCOMPARE(texts.max, expectedMax);
    QCOMPARE(texts.spoken, expectedMin + QStringLiteral(" – ") + expectedMax);
}

QTEST_MAIN(TestScaleText)
#include "tst_scaletext.moc"
