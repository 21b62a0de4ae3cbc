// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThermometerRig.h"

#include "support/TestWindow.h"
#include "temperature/SweepRules.h"
#include "temperature/ThermometerScale.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using Readings = QList<int>;

class TestSweep : public QObject
{
    Q_OBJECT

private slots:
    void temperatureSequence_data();
    void temperatureSequence();
    void elementPaging_data();
    void elementPaging();
    void panelRunsTheRules();
    void frameOkAndCancel();
    void autoStartAndAutoCloseThroughWindow();
};

void TestSweep::temperatureSequence_data()
{
    QTest::addColumn<double>("tempStart");
    QTest::addColumn<double>("tempEnd");
    QTest::addColumn<double>("stepTemp");
    QTest::addColumn<bool>("autoClose");
    QTest::addColumn<int>("from");
    // The readings shown tick by tick; the run stops early when the program is to end, which
    // the last entry -1 marks.
    QTest::addColumn<Readings>("readings");

    QTest::newRow("turns above TempEnd, passing it by less than a step")
        << 0.0 << 6000.0 << 100.0 << false << 5984 << Readings{5994, 6004, 5990, 5980};
    QTest::newRow("turns at TempStart")
        << 0.0 << 6000.0 << -100.0 << false << 20 << Readings{10, 0, 10, 20};
    QTest::newRow("TempEnd ends the program at 6000")
        << 0.0 << 6000.0 << 100.0 << true << 5980 << Readings{5990, 6000, -1};
    QTest::newRow("negative TempEnd turns at its size")
        << 300.0 << -3000.0 << 100.0 << true << 2990 << Readings{3000, 2990, 2980};
    QTest::newRow("round trip ends falling at TempStart")
        << 300.0 << -3000.0 << -100.0 << true << 320 << Readings{310, 300, -1};
    QTest::newRow("round trip without AutoClose turns at TempStart")
        << 300.0 << -3000.0 << -100.0 << false << 320 << Readings{310, 300, 310, 320};
    QTest::newRow("rising below TempStart does not jump")
        << 500.0 << 6000.0 << 100.0 << false << 200 << Readings{210, 220};
    QTest::newRow("falling below TempStart jumps to it")
        << 500.0 << 6000.0 << -100.0 << false << 200 << Readings{510, 520};
    QTest::newRow("speed 0 below TempStart stands still")
        << 500.0 << 6000.0 << 0.0 << false << 200 << Readings{200, 200};
    QTest::newRow("above TempEnd turns on the first tick")
        << 0.0 << 3000.0 << 100.0 << false << 4500 << Readings{2990, 2980};
    QTest::newRow("stops at the top of the range")
        << 0.0 << -32768.0 << 200000.0 << false << 10000 << Readings{30000, 32767, 32767};
    QTest::newRow("extreme step turns without overflow")
        << 0.0 << 100.0 << -400000.0 << false << 200 << Readings{32767, -32667, 32767};
}

void TestSweep::temperatureSequence()
{
    QFETCH(double, tempStart);
    QFETCH(double, tempEnd);
    QFETCH(double, stepTemp);
    QFETCH(bool, autoClose);
    QFETCH(int, from);
    QFETCH(Readings, readings);

    qint16 t = qint16(from);
    qint16 step = thermometer::sweepStep(stepTemp);
    Readings shown;
    while (shown.size() < readings.size()) {
        const sweep::TemperatureTick tick =
            sweep::temperatureTick(t, step, tempStart, tempEnd, autoClose, true);
        if (tick.endProgram) {
            shown << -1;
            break;
        }
        t = tick.temperature;
        step = tick.sweepStep;
        shown << t;
    }
    QCOMPARE(shown, readings);
}

void TestSweep::elementPaging_data()
{
    QTest::addColumn<double>("stepAtom");
    QTest::addColumn<bool>("autoScroll");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<Readings>("elementTicks");
    QTest::addColumn<int>("pages");
    QTest::newRow("StepAtom 5 with paging") << 5.0 << true << 50 << Readings{25, 50} << 10;
    QTest::newRow("StepAtom 5 without paging") << 5.0 << false << 50 << Readings{25, 50} << 0;
    QTest::newRow("StepAtom 0: every tick") << 0.0 << true << 3 << Readings{1, 2, 3} << 3;
    QTest::newRow("StepAtom 1.5") << 1.5 << true << 16 << Readings{8, 16} << 8;
}

void TestSweep::elementPaging()
{
    QFETCH(double, stepAtom);
    QFETCH(bool, autoScroll);
    QFETCH(int, ticks);
    QFETCH(Readings, elementTicks);
    QFETCH(int, pages);

    qint16 atomTicks = 0;
    qint16 pageTicks = 0;
    Readings changedAt;
    int paged = 0;
    for (int tick = 1; tick <= ticks; ++tick) {
        const sweep::AtomTick next = sweep::atomTick(atomTicks, pageTicks, stepAtom, autoScroll);
        atomTicks = next.atomTicks;
        pageTicks = next.pageTicks;
        if (next.showNewElement)
            changedAt << tick;
        paged += next.pageDown ? 1 : 0;
    }
    QCOMPARE(changedAt, elementTicks);
    QCOMPARE(paged, pages);
}

void TestSweep::panelRunsTheRules()
{
    ThermometerRig rig;
    rig.settings.StepAtom = QStringLiteral("0");
    rig.settings.AutoScroll = 1;
    rig.txtT()->setText(QStringLiteral("4321"));
    rig.state.atomTicks = 3;
    QSignalSpy element(&rig.sweep, &SweepPanel::elementDue);
    QSignalSpy page(&rig.sweep, &SweepPanel::pageDue);
    auto *start = rig.find<QPushButton>("cmdAuto");

    rig.sweep.cmdAuto_Click();
    QVERIFY(rig.sweep.isRunning());
    QCOMPARE(start->text(), QStringLiteral("STOP"));
    QCOMPARE(rig.state.atomTicks, 0);
    rig.sweep.TimerTemp_Timer();
    QCOMPARE(rig.reading(), QStringLiteral("4331"));
    rig.sweep.TimerAtom_Timer();
    QCOMPARE(element.count(), 1);
    QCOMPARE(page.count(), 1);

    // Stopping keeps the reading; starting again goes on from it.
    rig.sweep.cmdAuto_Click();
    QVERIFY(!rig.sweep.isRunning());
    QCOMPARE(start->text(), QStringLiteral("START"));
    QCOMPARE(rig.reading(), QStringLiteral("4331"));
}

void TestSweep::frameOkAndCancel()
{
    ThermometerRig rig;
    rig.surface.show();
    QSignalSpy accepted(&rig.sweep, &SweepPanel::valuesAccepted);
    auto *frame = rig.find("fraAuto");
    rig.sweep.cmdAuto_Click();
    rig.sweep.cmdSetTemp_Click();
    QVERIFY(!frame->isHidden());
    QVERIFY(!rig.sweep.isRunning());

    // A click on a caption selects its whole box, ready to be typed over.
    auto *stepBox = rig.find<QLineEdit>("txtStepTemp");
    QTest::mouseClick(rig.find("lblStepTemp"), Qt::LeftButton);
    QCOMPARE(stepBox->selectedText(), QStringLiteral("100"));
    stepBox->setText(QStringLiteral("250"));
    rig.find<QLineEdit>("txtStepAtom")->setText(QStringLiteral("two"));
    rig.find<QCheckBox>("chkScroll")->setChecked(true);
    // Cancel, or a click on the frame's title, takes nothing.
    QTest::mouseClick(rig.find("lblAuto"), Qt::LeftButton);
    QVERIFY(frame->isHidden());
    QCOMPARE(accepted.count(), 0);

    rig.sweep.cmdSetTemp_Click();
    QTest::mouseClick(rig.find("cmdAutoOK"), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    const auto values = accepted.at(0).at(0).value<SweepValues>();
    QCOMPARE(values.stepTemp, QStringLiteral("250"));
    QCOMPARE(values.stepAtom, QStringLiteral("two"));
    QCOMPARE(values.tempEnd, QStringLiteral("6000"));
    QVERIFY(values.autoScroll);
    QVERIFY(frame->isHidden());
    QVERIFY(rig.sweep.isRunning());
}

void TestSweep::autoStartAndAutoCloseThroughWindow()
{
    TestWindow w("AutoStart = 1\r\nAutoClose = 1\r\nTempStart = 5980\r\nTempEnd = 6000\r\n"
                 "StepTemp = 200\r\nAutoScroll = 1\r\n");
    // The sweep starts from TempStart instead of a random temperature.
    auto *start = w.find<QPushButton>(QStringLiteral("cmdAuto"));
    QCOMPARE(start->text(), QStringLiteral("STOP"));
    QVERIFY(w.find<QCheckBox>(QStringLiteral("chkScroll"))->isChecked());
    QCOMPARE(w.text(QStringLiteral("txtT")), QStringLiteral("5980"));

    // OK in the frame stores the values in the settings before the sweep goes on with them.
    w.find<QLineEdit>(QStringLiteral("txtStepTemp"))->setText(QStringLiteral("100"));
    QTest::mouseClick(w.find(QStringLiteral("cmdAutoOK")), Qt::LeftButton);
    QCOMPARE(w.state().settings.StepTemp, QStringLiteral("100"));
    QCOMPARE(w.state().temperature.sweepStep, 10);

    auto *sweep = w.window->findChild<SweepPanel *>();
    sweep->TimerTemp_Timer();
    sweep->TimerTemp_Timer();
    QCOMPARE(w.text(QStringLiteral("txtT")), QStringLiteral("6000"));
    QCOMPARE(w.seam.endRequests, 0);
    sweep->TimerTemp_Timer();
    QCOMPARE(w.seam.endRequests, 1);
}

QTEST_MAIN(TestSweep)
#include "tst_sweep.moc"
