// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThermometerRig.h"

#include "support/TestWindow.h"
#include "temperature/ThermometerPart.h"
#include "temperature/ThermometerScale.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestThermometer : public QObject
{
    Q_OBJECT

private slots:
    void scale_data();
    void scale();
    void typedText_data();
    void typedText();
    void clicks_data();
    void clicks();
    void bulbHeldRunsFreelyUntilReleased();
    void unitSwitchKeepsColoursAndReshowsElement();
};

// The thermometer's arithmetic: what a click at y twips means, and where the column stands.
void TestThermometer::scale_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<double>("argument");
    QTest::addColumn<double>("expected");
    QTest::newRow("tube top") << "tube" << 0.0 << 6000.0;
    QTest::newRow("tube one twip down, floored") << "tube" << 1.0 << 5998.0;
    QTest::newRow("tube zero mark") << "tube" << 3690.0 << 0.0;
    QTest::newRow("tube below zero") << "tube" << 3691.0 << -2.0;
    QTest::newRow("column 150 below its edge at 3000") << "column" << 150.0 << 2747.0;
    QTest::newRow("column lowest point at 3000") << "column" << 9000.0 << -11233.0;
    QTest::newRow("column top at 0") << "top" << 0.0 << 3745.0;
    QTest::newRow("column top at 3000") << "top" << 3000.0 << 1845.85;
    QTest::newRow("column top at -273") << "top" << -273.0 << 3917.82;
    QTest::newRow("mark 3") << "mark" << 3.0 << 3000.0;
    QTest::newRow("bulb 100 right") << "bulb right" << 100.0 << -10.0;
    QTest::newRow("bulb 35 right, half to even") << "bulb right" << 35.0 << -4.0;
    QTest::newRow("bulb 24.6 is 25 first") << "bulb" << 24.6 << 2.0;
    QTest::newRow("bulb negative warms") << "bulb" << -100.0 << 10.0;
    QTest::newRow("bulb beyond 16 bits") << "bulb" << 99999.0 << 3277.0;
    QTest::newRow("sweep keeps the sign") << "sweep" << -100.0 << -10.0;
}

void TestThermometer::scale()
{
    QFETCH(QString, what);
    QFETCH(double, argument);
    QFETCH(double, expected);
    double got = 0;
    if (what == u"tube")
        got = thermometer::temperatureFromTube(argument);
    else if (what == u"column")
        got = thermometer::temperatureFromColumn(thermometer::columnTop(3000), argument);
    else if (what == u"top")
        got = std::round(double(thermometer::columnTop(int(argument))) * 100) / 100;
    else if (what == u"mark")
        got = thermometer::temperatureFromMark(int(argument));
    else if (what == u"sweep")
        got = thermometer::sweepStep(argument);
    else
        got = thermometer::bulbStep(argument, what.endsWith(u"right"));
    QCOMPARE(got, expected);
}

void TestThermometer::typedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("temperature");
    QTest::newRow("decimal point, half to even") << "  12.5" << 12;
    QTest::newRow("no number") << "abc" << 0;
    QTest::newRow("too warm") << "99999" << 32767;
    QTest::newRow("too cold") << "-40000" << -32768;
}

void TestThermometer::typedText()
{
    QFETCH(QString, text);
    QFETCH(int, temperature);
    ThermometerRig rig;
    rig.txtT()->setText(QStringLiteral("5"));
    QSignalSpy changed(&rig.panel, &ThermometerPanel::temperatureChanged);
    rig.txtT()->setText(text);
    QCOMPARE(rig.state.temperature, temperature);
    QCOMPARE(changed.count(), 1);
    const QRectF column = rig.surface.designRect(rig.find("NitTermometra"));
    QCOMPARE(column.top(), double(thermometer::columnTop(temperature)));
    QCOMPARE(column.height(), 9000.0);
}

// Clicks arrive in pixels and are measured in twips: at the design scale pixel 123 of the tube
// is 1845 twips down. The tube and the column take any button; the scale marks and the unit label
// only the primary one, as any click.
void TestThermometer::clicks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("unit");
    QTest::newRow("tube") << "picIznadNiti" << int(Qt::LeftButton) << QPoint(5, 123) << "3000"
                          << "K";
    QTest::newRow("tube, right button")
        << "picIznadNiti" << int(Qt::RightButton) << QPoint(5, 123) << "3000"
        << "K";
    QTest::newRow("column, 10 pixels below the edge at 1000")
        << "NitTermometra" << int(Qt::MiddleButton) << QPoint(2, 10) << "747"
        << "K";
    QTest::newRow("mark 4") << "lblSkalaBroj_4" << int(Qt::LeftButton) << QPoint(2, 2) << "4000"
                            << "K";
    QTest::newRow("mark 4, right button")
        << "lblSkalaBroj_4" << int(Qt::RightButton) << QPoint(2, 2) << "1000"
        << "K";
    QTest::newRow("unit") << "lblTermometar" << int(Qt::LeftButton) << QPoint(2, 2) << "727"
                          << "°C";
    QTest::newRow("unit, right button")
        << "lblTermometar" << int(Qt::RightButton) << QPoint(2, 2) << "1000"
        << "K";
}

void TestThermometer::clicks()
{
    QFETCH(QString, control);
    QFETCH(int, button);
    QFETCH(QPoint, at);
    QFETCH(QString, reading);
    QFETCH(QString, unit);
    ThermometerRig rig;
    rig.surface.show();
    rig.txtT()->setText(QStringLiteral("1000"));
    QTest::mouseClick(rig.surface.findChild<QWidget *>(control), Qt::MouseButton(button), {}, at);
    QCOMPARE(rig.reading(), reading);
    QCOMPARE(rig.find<QLabel>("lblTermometar")->text(), unit);
}

void TestThermometer::bulbHeldRunsFreelyUntilReleased()
{
    ThermometerRig rig;
    rig.settings.AutoClose = 1;
    rig.settings.TempEnd = QStringLiteral("-6000");
    rig.txtT()->setText(QStringLiteral("15"));
    rig.state.atomTicks = 7;
    rig.surface.show();
    QSignalSpy ended(&rig.sweep, &SweepPanel::endOfSweep);
    QSignalSpy released(&rig.panel, &ThermometerPanel::bulbReleased);
    auto *bulb = rig.find("imgRezervoar");
    auto *start = rig.find<QPushButton>("cmdAuto");
    QTest::mousePress(bulb, Qt::RightButton, {}, bulb->rect().center());
    QVERIFY(!rig.state.thermometerIdle);
    QCOMPARE(rig.state.atomTicks, 0);
    QCOMPARE(start->text(), QStringLiteral("STOP"));

    // On below TempStart (0) without turning; with a negative TempEnd, AutoClose ends a falling
    // reading at or below TempStart.
    rig.sweep.TimerTemp_Timer();
    rig.sweep.TimerTemp_Timer();
    QCOMPARE(rig.reading(), QStringLiteral("-5"));
    QCOMPARE(ended.count(), 0);
    rig.sweep.TimerTemp_Timer();
    QCOMPARE(ended.count(), 1);

    QTest::mouseRelease(bulb, Qt::RightButton, {}, bulb->rect().center());
    QCOMPARE(start->text(), QStringLiteral("START"));
    QVERIFY(rig.state.thermometerIdle);
    QCOMPARE(released.count(), 1);
    QVERIFY(!rig.sweep.isRunning());
}

void TestThermometer::unitSwitchKeepsColoursAndReshowsElement()
{
    TestWindow w;
    w.window->cmdElement_Click(26);
    w.state().calculatorMode = true; // the element is shown again all the same
    auto *box = w.find<QLineEdit>(QStringLiteral("txtT"));
    box->setText(QStringLiteral("300"));
    const auto colours = [&w] {
        QList<QColor> all;
        for (int i = 0; i < 110; ++i)
            all << w.find<ElementButton>(QStringLiteral("cmdElement_%1").arg(i))
                       ->backgroundColour();
        return all;
    };
    const QList<QColor> at300 = colours();
    const QString meltingInKelvin = w.text(QStringLiteral("lblTempTaljenja"));

    QTest::mouseClick(w.find(QStringLiteral("lblTermometar")), Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("27"));
    QVERIFY(!w.state().temperature.kelvinScale);
    QCOMPARE(w.text(QStringLiteral("lblTempTaljenja")), QStringLiteral("1535 °C"));
    QCOMPARE(colours(), at300);

    QTest::mouseClick(w.find(QStringLiteral("lblTermometar")), Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("300"));
    QCOMPARE(w.text(QStringLiteral("lblTempTaljenja")), meltingInKelvin);
    QCOMPARE(colours(), at300);
    // The switch swallows only its own refresh: the next change recolours again.
    box->setText(QStringLiteral("5000"));
    QVERIFY(colours() != at300);
}

QTEST_MAIN(TestThermometer)
#include "tst_thermometer.moc"
