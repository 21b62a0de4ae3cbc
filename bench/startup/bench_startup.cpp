// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up cost: from process start to the first painted frame of the main window, against a bare
// QMainWindow holding 110 coloured push buttons built the same way. Each iteration starts this
// program again as a child that builds one window, waits for its first paint and exits, so
// loading the libraries and creating the QApplication are counted for both. The children run on
// an offscreen screen of 1920 x 1080, where the program's window is twice its design size, as in
// a classroom; the bare window takes the same size and scales its buttons and type with it.
//
// The machine's other work shifts the two series apart; run them interleaved:
//   bench_startup --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true
#include "app/FrmPeriodni.h"
#include "ui/DesignSurface.h"
#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// Ends the child's event loop at the watched widget's first paint event.
class QuitOnFirstPaint : public QObject
{
public:
    explicit QuitOnFirstPaint(QWidget *widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::exit(0);
        return false;
    }
};

int runProgramWindow()
{
    QTemporaryDir folder;
    DesktopSeam seam;
    FrmPeriodni window(seam, folder.path() + u'/');
    QuitOnFirstPaint painted(window.centralWidget());
    window.formLoad();
    window.show();
    return QCoreApplication::exec();
}

int runBareWindow()
{
    QMainWindow window;
    // The program's opening size.
    const QSize size = DesignSurface::openingSize(window.screen(), 0.9);
    const qreal scale = size.width() / 715.0;
    auto *central = new QWidget;
    window.setCentralWidget(central);
    for (int i = 0; i < 110; ++i) {
        auto *button = new QPushButton(QStringLiteral("Mt"), central);
        button->setGeometry(int(30 * scale * (i % 18)), int(36 * scale * (i / 18)), int(33 * scale),
                            int(37 * scale));
        QFont font = button->font();
        font.setPixelSize(int(13 * scale));
        button->setFont(font);
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, QColor(128, 176, 255));
        button->setPalette(palette);
    }
    window.resize(size);
    QuitOnFirstPaint painted(central);
    window.show();
    return QCoreApplication::exec();
}

QString g_self;

void startChild(benchmark::State &state, const char *which)
{
    for (auto _ : state) {
        QProcess child;
        child.start(g_self, {QString::fromLatin1(which)});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            state.SkipWithError("the child did not paint its window");
            return;
        }
    }
}

void programWindow(benchmark::State &state)
{
    startChild(state, "--child=program");
}
BENCHMARK(programWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void bareWindow(benchmark::State &state)
{
    startChild(state, "--child=bare");
}
BENCHMARK(bareWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strncmp(argv[1], "--child=", 8) == 0) {
        QApplication app(argc, argv);
        return std::strcmp(argv[1], "--child=program") == 0 ? runProgramWindow() : runBareWindow();
    }
    QCoreApplication app(argc, argv);
    g_self = QCoreApplication::applicationFilePath();
    // The children inherit this environment.
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "classroom", "x": 0, "y": 0, "width": 1920,
                  "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
