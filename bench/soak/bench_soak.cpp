// SPDX-License-Identifier: GPL-3.0-or-later
// A screen left running: a million ticks of each sweep timer (about 28 hours of the temperature
// timer), the temperature turning between 0 and 6000 while elements are shown and paged. Resident
// memory must not creep: the target is less than 1 MiB of growth over the whole run.
#include "app/FrmPeriodni.h"
#include "app/InfoPanel.h"
#include "temperature/SweepPanel.h"
#include "temperature/ThermometerPanel.h"
#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "support/WidgetBenchmarkMain.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int Ticks = 1'000'000;
constexpr int WarmUpTicks = 10'000;

// Linux only: resident set size from /proc/self/statm, in KiB.
long residentKiB()
{
    std::FILE *file = std::fopen("/proc/self/statm", "r");
    if (!file)
        return -1;
    long total = 0;
    long resident = 0;
    const int read = std::fscanf(file, "%ld %ld", &total, &resident);
    std::fclose(file);
    return read == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Nothing may reach the desktop during the run; a request to end would be a fault here.
class SilentSeam : public DesktopSeam
{
public:
    void showMessage(QWidget *, const QString &, Icon, const QString &) override { ++messages; }
    void endProgram() override { ++endRequests; }
    int messages = 0;
    int endRequests = 0;
};

struct Tally
{
    int lowest = 32767;
    int highest = -32768;
    int elementChanges = 0;
};

void tick(FrmPeriodni &window, Tally &tally, QString &lastElement, int i)
{
    auto *sweep = window.findChild<SweepPanel *>();
    sweep->TimerTemp_Timer();
    if (i % 2 == 0)
        sweep->TimerAtom_Timer();
    const int reading = window.state().temperature.temperature;
    tally.lowest = std::min(tally.lowest, reading);
    tally.highest = std::max(tally.highest, reading);
    const QString element = window.findChild<QLabel *>(QStringLiteral("lblBroj"))->text();
    if (element != lastElement) {
        ++tally.elementChanges;
        lastElement = element;
    }
    // Let the window paint now and then, as it would between real timer events.
    if (i % 100 == 0)
        QCoreApplication::processEvents();
}

void sweepSoak(benchmark::State &state)
{
    QTemporaryDir folder;
    SilentSeam seam;
    FrmPeriodni window(seam, folder.path() + u'/');
    window.formLoad();
    window.state().settings.StepAtom = QStringLiteral("1");
    window.state().settings.AutoScroll = 1;
    window.show();
    window.findChild<SweepPanel *>()->cmdAuto_Click();
    // The timers' own events are not wanted: the ticks are called directly.
    for (auto *timer : window.findChildren<QTimer *>())
        timer->stop();

    Tally tally;
    QString lastElement;
    for (int i = 0; i < WarmUpTicks; ++i)
        tick(window, tally, lastElement, i);
    const long before = residentKiB();
    for (auto _ : state) {
        for (int i = 0; i < Ticks; ++i)
            tick(window, tally, lastElement, i);
    }
    QCoreApplication::processEvents();
    const long after = residentKiB();

    state.counters["rss_before_KiB"] = double(before);
    state.counters["rss_after_KiB"] = double(after);
    state.counters["growth_KiB"] = double(after - before);
    state.counters["lowest_T"] = tally.lowest;
    state.counters["highest_T"] = tally.highest;
    state.counters["element_changes"] = tally.elementChanges;
    if (tally.lowest > 0 || tally.highest < 6000 || seam.endRequests != 0 || seam.messages != 0)
        state.SkipWithError("the sweep did not turn between 0 and 6000 undisturbed");
    else if (before < 0 || after - before >= 1024)
        state.SkipWithError("resident memory grew by 1 MiB or more");
}
BENCHMARK(sweepSoak)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

PSE_WIDGET_BENCHMARK_MAIN()
