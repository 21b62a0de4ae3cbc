#include "ThermometerRig.h"

#include "app/FrmPeriodni.h"
#include "support/FakeDesktopSeam.h"
#include "support/TestFiles.h"
#include "temperature/SweepPanel.h"
#include "temperature/TemperatureState.h"
#include "temperature/ThermometerPanel.h"
#include "ui/DesignSurface.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

using Readings = QList<int>;

namespace {

// Whether `part` occurs in `all` as one unbroken run.
bool containsRun(const Readings &all, const Readings &part)
{
    for (qsizetype i = 0; i + part.size() <= all.size(); ++i) {
        if (all.mid(i, part.size()) == part)
            return true;
    }
    return false;
}

} // namespace

class TestSweep : public QObject
{
    Q_OBJECT

private slots:
    void temperatureSequence_data();
    void temperatureSequence();
    void startStopKeepsReading();
    void elementPaging_data();
    void elementPaging();
    void frameStopsAndOkRestarts();
    void frameCancelTakesNothing();
    void labelsSelectTheirBox();
    void applySettingsFillsFields();
    void autoStartAndAutoCloseThroughWindow();
};

void TestSweep::temperatureSequence_data()
{
    QTest::addColumn<QString>("tempStart");
    QTest::addColumn<QString>("tempEnd");
    QTest::addColumn<QString>("stepTemp");
    QTest::addColumn<int>("autoClose");
    QTest::addColumn<bool>("kelvin");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("ticks");
    // Unbroken runs that must appear among the readings, the tick that ends the program (0:
    // none), and the lowest and highest reading shown.
    QTest::addColumn<QList<Readings>>("runs");
    QTest::addColumn<int>("endTick");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");

    QTest::newRow("defaults from 1234")
        << "0"
        << "6000"
        << "100" << 0 << true << 1234 << 2000
        << QList<Readings>{{1244, 1254, 1264}, {5984, 5994, 6004, 5990, 5980}, {20, 10, 0, 10, 20}}
        << 0 << 0 << 6004;
    QTest::newRow("TempEnd 6000 ends at 6000")
        << "0"
        << "6000"
        << "100" << 1 << true << 5950 << 10 << QList<Readings>{{5960, 5970, 5980, 5990, 6000}} << 6
        << 5960 << 6000;
    QTest::newRow("in Celsius the limit is Celsius")
        << "0"
        << "6000"
        << "100" << 1 << false << 5950 << 10 << QList<Readings>{{5960, 5970, 5980, 5990, 6000}} << 6
        << 5960 << 6000;
    QTest::newRow("TempEnd -3000 is a round trip")
        << "300"
        << "-3000"
        << "100" << 1 << true << 2980 << 400
        << QList<Readings>{{2990, 3000, 2990, 2980}, {320, 310, 300}} << 273 << 300 << 3000;
    QTest::newRow("TempEnd -3000 without AutoClose turns at TempStart")
        << "300"
        << "-3000"
        << "-100" << 0 << true << 320 << 4 << QList<Readings>{{310, 300, 310, 320}} << 0 << 300
        << 320;
    QTest::newRow("above |TempEnd| turns on the first tick")
        << "0"
        << "3000"
        << "100" << 0 << true << 4500 << 3 << QList<Readings>{{2990, 2980, 2970}} << 0 << 2970
        << 2990;
    QTest::newRow("below TempStart falling jumps to it")
        << "500"
        << "6000"
        << "-100" << 0 << true << 200 << 3 << QList<Readings>{{510, 520, 530}} << 0 << 510 << 530;
    QTest::newRow("StepTemp 0 stands still")
        << "0"
        << "6000"
        << "0" << 0 << true << 1234 << 3 << QList<Readings>{{1234, 1234, 1234}} << 0 << 1234
        << 1234;
    QTest::newRow("StepTemp without a number is 0")
        << "0"
        << "6000"
        << "fast" << 0 << true << 77 << 2 << QList<Readings>{{77, 77}} << 0 << 77 << 77;
    QTest::newRow("stops at the top of the range")
        << "0"
        << "-32768"
        << "200000" << 0 << true << 10000 << 3 << QList<Readings>{{30000, 32767, 32767}} << 0
        << 30000 << 32767;
    QTest::newRow("extreme step turns without overflow")
        << "0"
        << "100"
        << "-400000" << 0 << true << 200 << 3 << QList<Readings>{{32767, -32667, 32767}} << 0
        << -32667 << 32767;
}

void TestSweep::temperatureSequence()
{
    QFETCH(QString, tempStart);
    QFETCH(QString, tempEnd);
    QFETCH(QString, stepTemp);
    QFETCH(int, autoClose);
    QFETCH(bool, kelvin);
    QFETCH(int, from);
    QFETCH(int, ticks);
    QFETCH(QList<Readings>, runs);
    QFETCH(int, endTick);
    QFETCH(int, lowest);
    QFETCH(int, highest);

    ThermometerRig rig;
    pse::Settings &s = rig.host.settings;
    s.TempStart = tempStart;
    s.TempEnd = tempEnd;
    s.StepTemp = stepTemp;
    s.AutoClose = qint16(autoClose);
    rig.state.kelvinScale = kelvin;
    rig.panel.setTemperatureText(QString::number(from));
    rig.sweep.cmdAuto_Click();

    Readings readings;
    int endedAt = 0;
    for (int tick = 1; tick <= ticks; ++tick) {
        rig.sweep.TimerTemp_Timer();
        if (rig.host.endRequests > 0) {
            endedAt = tick;
            break;
        }
        readings << rig.panel.temperatureBox()->text().toInt();
    }
    for (const Readings &run : runs)
        QVERIFY2(containsRun(readings, run),
                 qPrintable(QStringLiteral("missing run starting %1").arg(run.value(0))));
    QCOMPARE(endedAt, endTick);
    if (endTick != 0)
        QCOMPARE(rig.host.endRequests, 1);
    QCOMPARE(*std::min_element(readings.begin(), readings.end()), lowest);
    QCOMPARE(*std::max_element(readings.begin(), readings.end()), highest);
}

void TestSweep::startStopKeepsReading()
{
    ThermometerRig rig;
    rig.panel.setTemperatureText(QStringLiteral("4321"));
    rig.state.atomTicks = 3;
    rig.state.pageTicks = 2;
    rig.sweep.cmdAuto_Click();
    QVERIFY(rig.sweep.temperatureTimer()->isActive() && rig.sweep.atomTimer()->isActive());
    QCOMPARE(rig.sweep.temperatureTimer()->interval(), 100);
    QCOMPARE(rig.sweep.atomTimer()->interval(), 200);
    QCOMPARE(rig.sweep.autoButton()->text(), QStringLiteral("STOP"));
    QCOMPARE(rig.state.atomTicks, 0);
    QCOMPARE(rig.state.pageTicks, 0);
    QCOMPARE(rig.state.sweepStep, 10);
    rig.sweep.TimerTemp_Timer();
    QCOMPARE(rig.panel.temperatureBox()->text(), QStringLiteral("4331"));

    rig.sweep.cmdAuto_Click();
    QVERIFY(!rig.sweep.temperatureTimer()->isActive() && !rig.sweep.atomTimer()->isActive());
    QCOMPARE(rig.sweep.autoButton()->text(), QStringLiteral("START"));
    QCOMPARE(rig.panel.temperatureBox()->text(), QStringLiteral("4331"));
}

void TestSweep::elementPaging_data()
{
    QTest::addColumn<QString>("stepAtom");
    QTest::addColumn<int>("autoScroll");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QList<int>>("elementTicks");
    QTest::addColumn<int>("pages");

    QTest::newRow("StepAtom 5 with paging") << "5" << 1 << 50 << QList<int>{25, 50} << 10;
    QTest::newRow("StepAtom 5 without paging") << "5" << 0 << 50 << QList<int>{25, 50} << 0;
    QTest::newRow("StepAtom 0: every tick") << "0" << 1 << 3 << QList<int>{1, 2, 3} << 3;
    QTest::newRow("no number counts as 0") << "soon" << 1 << 3 << QList<int>{1, 2, 3} << 3;
    QTest::newRow("StepAtom 1.5") << "1.5" << 1 << 16 << QList<int>{8, 16} << 8;
    QTest::newRow("leading number only") << "2 s" << 1 << 10 << QList<int>{10} << 5;
}

void TestSweep::elementPaging()
{
    QFETCH(QString, stepAtom);
    QFETCH(int, autoScroll);
    QFETCH(int, ticks);
    QFETCH(QList<int>, elementTicks);
    QFETCH(int, pages);

    ThermometerRig rig;
    rig.host.settings.StepAtom = stepAtom;
    rig.host.settings.AutoScroll = qint16(autoScroll);
    rig.host.nextRandom = 105;
    rig.sweep.cmdAuto_Click();
    QList<int> changedAt;
    for (int tick = 1; tick <= ticks; ++tick) {
        const auto before = rig.host.shownElements.size();
        rig.sweep.TimerAtom_Timer();
        if (rig.host.shownElements.size() > before)
            changedAt << tick;
    }
    QCOMPARE(changedAt, elementTicks);
    QCOMPARE(rig.host.pages, pages);
    // Drawn from 0..108: the last element never comes up.
    for (int range : std::as_const(rig.host.randomRanges))
        QCOMPARE(range, 109);
    QCOMPARE(rig.host.shownElements.value(0), 105);
}

void TestSweep::frameStopsAndOkRestarts()
{
    ThermometerRig rig;
    rig.sweep.applySettings(rig.host.settings);
    rig.sweep.cmdAuto_Click();
    rig.state.atomTicks = 4;
    rig.state.pageTicks = 3;
    QFrame *frame = rig.sweep.settingsFrame();
    QVERIFY(frame->isHidden());

    rig.sweep.cmdSetTemp_Click();
    QVERIFY(!frame->isHidden());
    QVERIFY(!rig.sweep.isRunning() && !rig.sweep.atomTimer()->isActive());
    QCOMPARE(rig.sweep.autoButton()->text(), QStringLiteral("START"));

    rig.box("txtTempStart")->setText(QStringLiteral("100"));
    rig.box("txtTempEnd")->setText(QStringLiteral("-2000"));
    rig.box("txtStepTemp")->setText(QStringLiteral("250"));
    rig.box("txtStepAtom")->setText(QStringLiteral("two"));
    rig.surface.findChild<QCheckBox *>(QStringLiteral("chkScroll"))->setChecked(true);
    QTest::mouseClick(rig.surface.findChild<QPushButton *>(QStringLiteral("cmdAutoOK")),
                      Qt::LeftButton);

    const pse::Settings &s = rig.host.settings;
    QCOMPARE(s.TempStart, QStringLiteral("100"));
    QCOMPARE(s.TempEnd, QStringLiteral("-2000"));
    QCOMPARE(s.StepTemp, QStringLiteral("250"));
    QCOMPARE(s.StepAtom, QStringLiteral("two"));
    QCOMPARE(s.AutoScroll, qint16(1));
    QVERIFY(rig.sweep.isRunning() && rig.sweep.atomTimer()->isActive());
    QCOMPARE(rig.sweep.autoButton()->text(), QStringLiteral("STOP"));
    QCOMPARE(rig.state.sweepStep, 25);
    QCOMPARE(rig.state.atomTicks, 0);
    QCOMPARE(rig.state.pageTicks, 0);
    QVERIFY(frame->isHidden());

    // OK while running goes on with the new step.
    rig.box("txtStepTemp")->setText(QStringLiteral("-30"));
    rig.sweep.cmdAutoOK_Click();
    QVERIFY(rig.sweep.isRunning());
    QCOMPARE(rig.state.sweepStep, -3);

    // The settings button toggles the frame and stops the sweep both ways.
    rig.sweep.cmdSetTemp_Click();
    rig.sweep.cmdSetTemp_Click();
    QVERIFY(frame->isHidden());
    QVERIFY(!rig.sweep.isRunning());
}

void TestSweep::frameCancelTakesNothing()
{
    ThermometerRig rig;
    rig.sweep.applySettings(rig.host.settings);
    const pse::Settings before = rig.host.settings;
    rig.sweep.cmdAuto_Click();
    rig.sweep.cmdSetTemp_Click();
    rig.box("txtStepTemp")->setText(QStringLiteral("700"));
    rig.sweep.cmdAutoCancel_Click();
    QVERIFY(rig.sweep.settingsFrame()->isHidden());
    QVERIFY(!rig.sweep.isRunning());
    QVERIFY(rig.host.settings == before);
    // The box keeps what was typed.
    QCOMPARE(rig.box("txtStepTemp")->text(), QStringLiteral("700"));

    // A click on the frame's title closes it as Cancel does.
    rig.surface.show();
    rig.sweep.cmdSetTemp_Click();
    QTest::mouseClick(rig.surface.findChild<QLabel *>(QStringLiteral("lblAuto")), Qt::LeftButton);
    QVERIFY(rig.sweep.settingsFrame()->isHidden());
    QVERIFY(rig.host.settings == before);
}

void TestSweep::labelsSelectTheirBox()
{
    ThermometerRig rig;
    rig.sweep.applySettings(rig.host.settings);
    rig.surface.show();
    rig.sweep.cmdSetTemp_Click();
    QVERIFY(QTest::qWaitForWindowActive(&rig.surface));
    const char *pairs[][2] = {{"lblTempStart", "txtTempStart"},
                              {"lblTempEnd", "txtTempEnd"},
                              {"lblStepTemp", "txtStepTemp"},
                              {"lblStepAtom", "txtStepAtom"}};
    for (const auto &pair : pairs) {
        QLineEdit *box = rig.box(pair[1]);
        box->deselect();
        QTest::mouseClick(rig.surface.findChild<QLabel *>(QString::fromLatin1(pair[0])),
                          Qt::LeftButton);
        QCOMPARE(box->selectedText(), box->text());
        QVERIFY(!box->text().isEmpty());
        QTRY_VERIFY(box->hasFocus());
    }
    // Focus entering a box by the keyboard selects it too.
    QLineEdit *first = rig.box("txtTempStart");
    first->deselect();
    rig.box("txtStepAtom")->setFocus();
    first->setFocus(Qt::TabFocusReason);
    QCOMPARE(first->selectedText(), first->text());
}

void TestSweep::applySettingsFillsFields()
{
    ThermometerRig rig;
    pse::Settings s;
    s.TempStart = QStringLiteral("12");
    s.TempEnd = QStringLiteral("-34");
    s.StepTemp = QStringLiteral("56");
    s.StepAtom = QStringLiteral(" 7x");
    s.AutoScroll = 1;
    rig.sweep.applySettings(s);
    QCOMPARE(rig.box("txtTempStart")->text(), s.TempStart);
    QCOMPARE(rig.box("txtTempEnd")->text(), s.TempEnd);
    QCOMPARE(rig.box("txtStepTemp")->text(), s.StepTemp);
    QCOMPARE(rig.box("txtStepAtom")->text(), s.StepAtom);
    QVERIFY(rig.surface.findChild<QCheckBox *>(QStringLiteral("chkScroll"))->isChecked());
    s.AutoScroll = 0;
    rig.sweep.applySettings(s);
    QVERIFY(!rig.surface.findChild<QCheckBox *>(QStringLiteral("chkScroll"))->isChecked());
}

void TestSweep::autoStartAndAutoCloseThroughWindow()
{
    QTemporaryDir folder;
    QVERIFY(writeAll(folder.filePath(QStringLiteral("quon_pse.cfg")),
                     "AutoStart = 1\r\nAutoClose = 1\r\nTempStart = 5980\r\nTempEnd = 6000\r\n"));

    FakeDesktopSeam seam;
    FrmPeriodni frm(seam, folder.path() + u'/');
    frm.formLoad();
    SweepPanel *sweep = frm.sweep();
    QVERIFY(sweep);
    // The sweep starts from TempStart instead of a random temperature.
    QVERIFY(sweep->isRunning());
    sweep->temperatureTimer()->stop();
    sweep->atomTimer()->stop();
    QCOMPARE(frm.thermometer()->temperatureBox()->text(), QStringLiteral("5980"));
    sweep->TimerTemp_Timer();
    sweep->TimerTemp_Timer();
    QCOMPARE(frm.thermometer()->temperatureBox()->text(), QStringLiteral("6000"));
    QCOMPARE(seam.endRequests, 0);
    sweep->TimerTemp_Timer();
    QCOMPARE(seam.endRequests, 1);
    QCOMPARE(frm.thermometer()->temperatureBox()->text(), QStringLiteral("6000"));
}

QTEST_MAIN(TestSweep)
#include "tst_sweep.moc"
