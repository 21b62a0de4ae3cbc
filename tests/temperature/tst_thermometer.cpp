#include "ThermometerRig.h"

#include "app/ElementGrid.h"
#include "app/FrmPeriodni.h"
#include "app/InfoPanel.h"
#include "support/FakeDesktopSeam.h"
#include "temperature/SweepPanel.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerPanel.h"
#include "temperature/ThermometerPart.h"
#include "temperature/ThermometerScale.h"
#include "ui/DesignSurface.h"
#include "ui/ElementButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

class TestThermometer : public QObject
{
    Q_OBJECT

private slots:
    void tubeClick_data();
    void tubeClick();
    void columnClick_data();
    void columnClick();
    void columnTop_data();
    void columnTop();
    void scaleMarkClick_data();
    void scaleMarkClick();
    void typedText_data();
    void typedText();
    void pressesArriveInTwips();
    void bulbStep_data();
    void bulbStep();
    void bulbHeldRunsFreelyUntilReleased();
    void unitSwitchKeepsColours();
    void unitSwitchReshowsElementInNewUnit();
};

void TestThermometer::tubeClick_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("temperature");
    QTest::newRow("top") << 0.0 << 6000;
    QTest::newRow("one twip down, floored") << 1.0 << 5998;
    QTest::newRow("a quarter") << 922.5 << 4500;
    QTest::newRow("middle") << 1845.0 << 3000;
    QTest::newRow("zero mark") << 3690.0 << 0;
    QTest::newRow("below zero") << 3691.0 << -2;
}

void TestThermometer::tubeClick()
{
    QFETCH(double, y);
    QFETCH(int, temperature);
    ThermometerRig rig;
    rig.panel.picIznadNiti_MouseDown(Qt::LeftButton, y);
    QCOMPARE(rig.txtT()->text(), QString::number(temperature));
    QCOMPARE(rig.state.temperature, temperature);
}

void TestThermometer::columnClick_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("temperature");
    QTest::newRow("top edge at 3000") << "3000" << 0.0 << 2984;
    QTest::newRow("150 below the edge at 3000") << "3000" << 150.0 << 2747;
    QTest::newRow("top edge at 0") << "0" << 0.0 << -16;
    QTest::newRow("lowest point at 0") << "0" << 9000.0 << -14233;
}

void TestThermometer::columnClick()
{
    QFETCH(QString, before);
    QFETCH(double, y);
    QFETCH(int, temperature);
    ThermometerRig rig;
    rig.txtT()->setText(before);
    rig.panel.NitTermometra_MouseDown(Qt::RightButton, y);
    QCOMPARE(rig.txtT()->text(), QString::number(temperature));
}

void TestThermometer::columnTop_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("top");
    QTest::newRow("0") << "0" << 3745.0;
    QTest::newRow("3000") << "3000" << 1845.85;
    QTest::newRow("6000") << "6000" << -53.31;
    QTest::newRow("-273") << "-273" << 3917.82;
}

void TestThermometer::columnTop()
{
    QFETCH(QString, text);
    QFETCH(double, top);
    ThermometerRig rig;
    rig.txtT()->setText(QStringLiteral("1"));
    rig.txtT()->setText(text);
    // To two decimals, as the column is placed in single precision.
    QCOMPARE(qRound(rig.panel.columnTop() * 100), qRound(top * 100));
    const auto *column = rig.surface.findChild<ThermometerPart *>(QStringLiteral("NitTermometra"));
    QVERIFY(column);
    QCOMPARE(qRound(rig.surface.designRect(column).top() * 100), qRound(top * 100));
    QCOMPARE(rig.surface.designRect(column).height(), 9000.0);
}

void TestThermometer::scaleMarkClick_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("kelvin");
    const char *captions[] = {"- 0 ",    "- 1000",  "- 2000", "- 3000 ",
                              "- 4000 ", "- 5000 ", "- 6000 "};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("mark %d", i) << i << QString::fromLatin1(captions[i]) << true;
    QTest::newRow("mark 3 in Celsius") << 3 << QStringLiteral("- 3000 ") << false;
}

void TestThermometer::scaleMarkClick()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(bool, kelvin);
    ThermometerRig rig;
    rig.state.kelvinScale = kelvin;
    rig.surface.show();
    auto *mark = rig.surface.findChild<QLabel *>(QStringLiteral("lblSkalaBroj_%1").arg(index));
    QVERIFY(mark);
    QCOMPARE(mark->text(), caption);
    QTest::mouseClick(mark, Qt::LeftButton);
    QCOMPARE(rig.txtT()->text(), QString::number(1000 * index));
    QCOMPARE(rig.state.kelvinScale, kelvin);
    QCOMPARE(rig.panel.columnTop(), thermometer::columnTop(1000 * index));
}

void TestThermometer::typedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("temperature");
    QTest::newRow("whole") << "1234" << 1234;
    QTest::newRow("leading blanks, half to even") << "  12.5" << 12;
    QTest::newRow("trailing text") << "77 K" << 77;
    QTest::newRow("exponent") << "1e3" << 1000;
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
    const int refreshes = rig.host.refreshes;
    rig.txtT()->setText(text);
    QCOMPARE(rig.state.temperature, temperature);
    QCOMPARE(rig.panel.columnTop(), thermometer::columnTop(temperature));
    QCOMPARE(rig.host.refreshes, refreshes + 1);
}

void TestThermometer::pressesArriveInTwips()
{
    // At the design scale one pixel is 15 twips, so pixel 123 of the tube is 1845 twips down.
    ThermometerRig rig;
    rig.surface.resize(DesignSurface::DesignWidth / 15, DesignSurface::DesignHeight / 15);
    rig.surface.show();
    auto *tube = rig.surface.findChild<ThermometerPart *>(QStringLiteral("picIznadNiti"));
    auto *column = rig.surface.findChild<ThermometerPart *>(QStringLiteral("NitTermometra"));
    QVERIFY(tube && column);
    QTest::mousePress(tube, Qt::LeftButton, {}, QPoint(5, 123));
    QCOMPARE(rig.txtT()->text(), QStringLiteral("3000"));
    // The column's top edge now stands at 1845.85 twips; 10 pixels below it is 150 twips.
    QTest::mousePress(column, Qt::LeftButton, {}, QPoint(2, 10));
    QCOMPARE(rig.txtT()->text(), QStringLiteral("2747"));
}

void TestThermometer::bulbStep_data()
{
    QTest::addColumn<QString>("stepTemp");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("step");
    QTest::newRow("100 left") << "100" << int(Qt::LeftButton) << 10;
    QTest::newRow("100 right") << "100" << int(Qt::RightButton) << -10;
    QTest::newRow("100 middle warms") << "100" << int(Qt::MiddleButton) << 10;
    QTest::newRow("25 half to even") << "25" << int(Qt::LeftButton) << 2;
    QTest::newRow("15 half to even") << "15" << int(Qt::LeftButton) << 2;
    QTest::newRow("35 half to even") << "35" << int(Qt::RightButton) << -4;
    QTest::newRow("5 does nothing") << "5" << int(Qt::LeftButton) << 0;
    QTest::newRow("negative warms with left") << "-100" << int(Qt::LeftButton) << 10;
    QTest::newRow("whole first: 24.6 is 25") << "24.6" << int(Qt::LeftButton) << 2;
    QTest::newRow("no number") << "fast" << int(Qt::LeftButton) << 0;
    QTest::newRow("beyond 16 bits") << "99999" << int(Qt::LeftButton) << 3277;
}

void TestThermometer::bulbStep()
{
    QFETCH(QString, stepTemp);
    QFETCH(int, button);
    QFETCH(int, step);
    ThermometerRig rig;
    rig.host.settings.StepTemp = stepTemp;
    rig.state.atomTicks = 7;
    QSignalSpy pressed(&rig.panel, &ThermometerPanel::bulbPressed);
    rig.panel.imgRezervoar_MouseDown(Qt::MouseButton(button));
    QCOMPARE(rig.state.sweepStep, step);
    QCOMPARE(rig.state.thermometerIdle, false);
    QCOMPARE(rig.state.atomTicks, 0);
    QCOMPARE(pressed.count(), 1);
}

void TestThermometer::bulbHeldRunsFreelyUntilReleased()
{
    ThermometerRig rig;
    rig.host.settings.AutoClose = 1;
    rig.host.settings.TempEnd = QStringLiteral("-6000");
    rig.txtT()->setText(QStringLiteral("15"));
    rig.surface.show();
    auto *bulb = rig.surface.findChild<ThermometerPart *>(QStringLiteral("imgRezervoar"));
    QVERIFY(bulb);
    QTest::mousePress(bulb, Qt::RightButton, {}, bulb->rect().center());
    QVERIFY(rig.sweep.temperatureTimer()->isActive());
    QVERIFY(!rig.sweep.atomTimer()->isActive());
    QCOMPARE(rig.sweep.autoButton()->text(), QStringLiteral("STOP"));

    // Below TempStart (0) and on, without turning; AutoClose's end test would need a falling
    // sweep at or below TempStart with a negative TempEnd, which is exactly this, so it ends.
    QStringList shown;
    for (int i = 0; i < 2; ++i) {
        rig.sweep.TimerTemp_Timer();
        shown << rig.txtT()->text();
    }
    QCOMPARE(shown, QStringList({"5", "-5"}));
    rig.sweep.TimerTemp_Timer();
    QCOMPARE(rig.host.endRequests, 1);

    QTest::mouseRelease(bulb, Qt::RightButton, {}, bulb->rect().center());
    QVERIFY(!rig.sweep.temperatureTimer()->isActive());
    QCOMPARE(rig.sweep.autoButton()->text(), QStringLiteral("START"));
    QCOMPARE(rig.state.thermometerIdle, true);
    QCOMPARE(rig.host.settings.AutoClose, qint16(0));

    // Held again after AutoClose was switched off: it runs on below 0 for as long as it is held.
    QTest::mousePress(bulb, Qt::RightButton, {}, bulb->rect().center());
    for (int i = 0; i < 5; ++i)
        rig.sweep.TimerTemp_Timer();
    QCOMPARE(rig.txtT()->text(), QStringLiteral("-55"));
    QCOMPARE(rig.host.endRequests, 1);
}

namespace {

struct Window
{
    QTemporaryDir folder;
    FakeDesktopSeam seam;
    std::unique_ptr<FrmPeriodni> frm;

    Window()
    {
        frm = std::make_unique<FrmPeriodni>(seam, folder.path() + u'/');
        frm->formLoad();
    }
};

// Counts the colour sets of every element button.
struct ColourSpies
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;

    explicit ColourSpies(FrmPeriodni &frm)
    {
        for (int i = 0; i < ElementGrid::ButtonCount; ++i)
            spies.push_back(std::make_unique<QSignalSpy>(frm.grid()->button(i),
                                                         &ElementButton::backgroundColourSet));
    }
    int total() const
    {
        int sum = 0;
        for (const auto &spy : spies)
            sum += spy->count();
        return sum;
    }
};

} // namespace

void TestThermometer::unitSwitchKeepsColours()
{
    Window w;
    FrmPeriodni &frm = *w.frm;
    ThermometerPanel *thermo = frm.thermometer();
    thermo->setTemperatureText(QStringLiteral("300"));
    auto *unit = frm.findChild<QLabel *>(QStringLiteral("lblTermometar"));
    QVERIFY(unit);
    QCOMPARE(unit->text(), QStringLiteral("K"));
    const float topAt300 = thermo->columnTop();

    ColourSpies spies(frm);
    thermo->lblTermometar_Click();
    QCOMPARE(thermo->temperatureBox()->text(), QStringLiteral("27"));
    QCOMPARE(unit->text(), QStringLiteral("°C"));
    QCOMPARE(frm.temperatureState.kelvinScale, false);
    // The column drops by 273 units although the physical temperature is the same.
    QVERIFY(thermo->columnTop() - topAt300 > 172.7f && thermo->columnTop() - topAt300 < 172.9f);

    thermo->lblTermometar_Click();
    QCOMPARE(thermo->temperatureBox()->text(), QStringLiteral("300"));
    QCOMPARE(unit->text(), QStringLiteral("K"));
    QCOMPARE(frm.temperatureState.kelvinScale, true);
    QCOMPARE(spies.total(), 0);

    // The switch swallows exactly its own refresh: the next change recolours again. At 5000 K
    // nearly everything boils.
    thermo->setTemperatureText(QStringLiteral("5000"));
    QVERIFY(spies.total() > 50);
}

void TestThermometer::unitSwitchReshowsElementInNewUnit()
{
    Window w;
    FrmPeriodni &frm = *w.frm;
    frm.cmdElement_Click(26);
    auto *melting = frm.findChild<QLabel *>(QStringLiteral("lblTempTaljenja"));
    auto *number = frm.findChild<QLabel *>(QStringLiteral("lblBroj"));
    QVERIFY(melting && number);
    const QString inKelvin = melting->text();
    // With the calculator open an element click would type the symbol; the reshow must not.
    frm.calculatorMode = true;
    frm.thermometer()->lblTermometar_Click();
    QCOMPARE(number->text(), QStringLiteral("26"));
    QVERIFY(melting->text() != inKelvin);
    QVERIFY(melting->text().contains(QStringLiteral("1535")));
    frm.thermometer()->lblTermometar_Click();
    QCOMPARE(melting->text(), inKelvin);
    QCOMPARE(w.seam.messages, QStringList());
}

QTEST_MAIN(TestThermometer)
#include "tst_thermometer.moc"
