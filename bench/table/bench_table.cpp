// SPDX-License-Identifier: GPL-3.0-or-later
// What the table's owner costs where a class sees it: one sweep tick (a new reading written into
// txtT, the looks it changes and their repaint; the sweep ticks ten times a second and a tick
// should stay under 200 µs at the window's opening size), and a switch of the table's colouring
// with every button taking a new colour (under 3 ms). Both at the opening size 1494 x 972 and at
// 3840 x 2160, where repainting costs most. Each iteration is flushed through the event loop, so
// the repaint is counted.
#include "app/FrmPeriodni.h"
#include "table/TableController.h"
#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "support/WidgetBenchmarkMain.h"

namespace {

struct Window
{
    explicit Window(const benchmark::State &state)
        : window(seam, folder.path() + u'/')
    {
        window.formLoad();
        window.resize(int(state.range(0)), int(state.range(1)));
        window.show();
        QCoreApplication::processEvents();
    }

    DesktopSeam seam;
    QTemporaryDir folder;
    FrmPeriodni window;
};

void sweepTick(benchmark::State &state)
{
    Window w(state);
    auto *box = w.window.findChild<QLineEdit *>(QStringLiteral("txtT"));
    int kelvin = 0;
    int step = 10;
    int repainted = 0;
    for (auto _ : state) {
        kelvin += step;
        if (kelvin >= 6000 || kelvin <= 0)
            step = -step;
        box->setText(QString::number(kelvin));
        QCoreApplication::processEvents();
        repainted += w.window.table().lastRepaintCount();
    }
    state.counters["buttons/tick"] =
        benchmark::Counter(repainted, benchmark::Counter::kAvgIterations);
}
BENCHMARK(sweepTick)->Args({1494, 972})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

void mapSwitch(benchmark::State &state)
{
    Window w(state);
    int i = 0;
    // Electronegativity and density differ for every element that has both.
    for (auto _ : state) {
        w.window.table().setColouring(++i % 2 ? 1 : 3);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(mapSwitch)->Args({1494, 972})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

} // namespace

PSE_WIDGET_BENCHMARK_MAIN()
