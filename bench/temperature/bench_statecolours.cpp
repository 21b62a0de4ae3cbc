// The sweep refreshes the table every 100 ms; a refresh, including repainting the buttons whose
// state changed, should cost well under 1 ms of that.
#include "app/FrmPeriodni.h"
#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "support/WidgetBenchmarkMain.h"

namespace {

struct Window
{
    Window()
        : window(seam, folder.path() + u'/')
    {
        window.formLoad();
        window.show();
        QCoreApplication::processEvents();
    }

    DesktopSeam seam;
    QTemporaryDir folder;
    FrmPeriodni window;
};

void refreshAtUnchangedTemperature(benchmark::State &state)
{
    Window w;
    for (auto _ : state) {
        w.window.refreshStateColours();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(refreshAtUnchangedTemperature)->Unit(benchmark::kMicrosecond);

// One iteration is one sweep tick: a new reading written into txtT, the refresh it triggers and
// the repaint of whatever changed, flushed through the event loop as the real timer tick would be.
void sweepTick(benchmark::State &state)
{
    Window w;
    auto *box = w.window.findChild<QLineEdit *>(QStringLiteral("txtT"));
    int kelvin = 0;
    int step = 10;
    for (auto _ : state) {
        kelvin += step;
        if (kelvin >= 6000 || kelvin <= 0)
            step = -step;
        box->setText(QString::number(kelvin));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(sweepTick)->Unit(benchmark::kMicrosecond);

} // namespace

PSE_WIDGET_BENCHMARK_MAIN()
