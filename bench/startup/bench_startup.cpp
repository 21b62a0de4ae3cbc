// Start-up cost: from process start to the first painted frame of the main window, against a bare
// QMainWindow holding 110 coloured push buttons built the same way. Each iteration starts this
// program again as a child that builds one window, waits for its first paint and exits, so
// loading the libraries and creating the QApplication are counted for both.
#include "app/FrmPeriodni.h"
#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

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
    auto *central = new QWidget;
    window.setCentralWidget(central);
    for (int i = 0; i < 110; ++i) {
        auto *button = new QPushButton(QStringLiteral("Mt"), central);
        button->setGeometry(30 * (i % 18), 36 * (i / 18), 33, 37);
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, QColor(128, 176, 255));
        button->setPalette(palette);
    }
    window.resize(1072, 697);
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strncmp(argv[1], "--child=", 8) == 0) {
        QApplication app(argc, argv);
        return std::strcmp(argv[1], "--child=program") == 0 ? runProgramWindow() : runBareWindow();
    }
    QCoreApplication app(argc, argv);
    g_self = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
