// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestWindow.h"
#include "temperature/StateOfMatter.h"

#include <QTest>

namespace {

const StateColours Defaults;

QColor colourOf(const QString &state)
{
    if (state == u"solid")
        return Defaults.solid;
    if (state == u"liquid")
        return Defaults.liquid;
    return state == u"gas" ? Defaults.gas : Defaults.unknown;
}

} // namespace

class TestStateColours : public QObject
{
    Q_OBJECT

private slots:
    void stateAtTemperature_data();
    void stateAtTemperature();
    void windowRecolours();
};

void TestStateColours::stateAtTemperature_data()
{
    QTest::addColumn<bool>("kelvin");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("state");

    // Hydrogen melts at -259.14 and boils at -252.9 °C; a kelvin reading less 273.16, rounded.
    QTest::newRow("H solid at 13 K") << true << "13" << 1 << "solid";
    QTest::newRow("H liquid at 14 K") << true << "14" << 1 << "liquid";
    QTest::newRow("H liquid at 20 K") << true << "20" << 1 << "liquid";
    QTest::newRow("H gas at 21 K") << true << "21" << 1 << "gas";
    QTest::newRow("button 0 follows H") << true << "13" << 0 << "solid";
    QTest::newRow("As solid at its melting point") << false << "817" << 33 << "solid";
    QTest::newRow("As gas just above, never liquid") << false << "818" << 33 << "gas";
    QTest::newRow("Ga liquid at 30 C") << false << "30" << 31 << "liquid";
    QTest::newRow("Hg gas at its boiling point") << false << "357" << 80 << "gas";
    QTest::newRow("W liquid one degree short of boiling") << true << "5932" << 74 << "liquid";
    QTest::newRow("Am, the last one painted, gas") << false << "2607" << 95 << "gas";
    QTest::newRow("Cm not known when hot") << false << "3000" << 96 << "unknown";
}

void TestStateColours::stateAtTemperature()
{
    QFETCH(bool, kelvin);
    QFETCH(QString, reading);
    QFETCH(int, button);
    QFETCH(QString, state);
    TestWindow w;
    w.state().temperature.kelvinScale = kelvin;
    w.find<QLineEdit>(QStringLiteral("txtT"))->setText(reading);
    QCOMPARE(w.element(button)->backgroundColour(), colourOf(state));
}

void TestStateColours::windowRecolours()
{
    TestWindow w;
    auto *box = w.find<QLineEdit>(QStringLiteral("txtT"));
    w.window->cmdElement_Click(80);
    box->setText(QStringLiteral("300"));
    auto *tile = w.find(QStringLiteral("picElement"));
    QCOMPARE(tile->palette().color(QPalette::Window), Defaults.liquid);

    // New colours reach buttons whose state stays the same only with a full repaint.
    w.state().settings.RGBTekuce = {1, 2, 3};
    w.window->refreshStateColours();
    QCOMPARE(w.element(80)->backgroundColour(), Defaults.liquid);
    w.state().repaintAllStates = true;
    w.window->refreshStateColours();
    QCOMPARE(w.element(80)->backgroundColour(), QColor(1, 2, 3));
    QCOMPARE(tile->palette().color(QPalette::Window), QColor(1, 2, 3));
    QVERIFY(!w.state().repaintAllStates);
    QCOMPARE(w.element(1)->backgroundColour(), Defaults.gas);

    // A refresh while disarmed only arms.
    w.state().temperature.statesArmed = false;
    box->setText(QStringLiteral("0"));
    QCOMPARE(w.element(1)->backgroundColour(), Defaults.gas);
    QVERIFY(w.state().temperature.statesArmed);
    box->setText(QStringLiteral("1"));
    QCOMPARE(w.element(1)->backgroundColour(), Defaults.solid);
}

QTEST_MAIN(TestStateColours)
#include "tst_statecolours.moc"
