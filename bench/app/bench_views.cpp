// SPDX-License-Identifier: GPL-3.0-or-later
// What a teacher waits for after a click: a language switch (every text of the window rewritten
// and repainted, under 20 ms) and one step of the discovery timeline (within one frame, 16 ms).
// Each iteration is flushed through the event loop, so the repaint is counted.
#include "app/FrmPeriodni.h"
#include "app/LessonTools.h"
#include "app/ToolPanel.h"
#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QSlider>
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
        window.resize(1920, 1080);
        window.show();
        QCoreApplication::processEvents();
    }

    DesktopSeam seam;
    QTemporaryDir folder;
    FrmPeriodni window;
};

void languageSwitch(benchmark::State &state)
{
    Window w;
    int i = 0;
    for (auto _ : state) {
        if (++i % 2)
            w.window.findChild<ToolPanel *>()->imgDE_Click();
        else
            w.window.findChild<ToolPanel *>()->imgHR_Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(languageSwitch)->Unit(benchmark::kMillisecond);

void timelineYear(benchmark::State &state)
{
    Window w;
    w.window.lessons().toggleTimeline();
    auto *slider = w.window.findChild<QSlider *>(QStringLiteral("sldGodina"));
    int year = slider->minimum();
    for (auto _ : state) {
        year = year < slider->maximum() ? year + 1 : slider->minimum();
        slider->setValue(year);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(timelineYear)->Unit(benchmark::kMillisecond);

} // namespace

PSE_WIDGET_BENCHMARK_MAIN()
