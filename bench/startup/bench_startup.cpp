// Start-up cost of the main window, from construction to its first painted frame, against a bare
// QMainWindow holding 110 coloured push buttons built the same way. The QApplication itself is
// shared by both and left out.
#include "app/DesktopSeam.h"
#include "app/FrmPeriodni.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Spins the event loop until the watched widget has received its first paint event.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *widget) { widget->installEventFilter(this); }
    void wait()
    {
        while (!m_painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    bool m_painted = false;
};

void programWindow(benchmark::State &state)
{
    QTemporaryDir folder;
    DesktopSeam seam;
    for (auto _ : state) {
        FrmPeriodni window(seam, folder.path() + u'/');
        FirstPaint painted(window.centralWidget());
        window.formLoad();
        window.show();
        painted.wait();
    }
}
BENCHMARK(programWindow)->Unit(benchmark::kMillisecond);

void bareWindow(benchmark::State &state)
{
    for (auto _ : state) {
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
        FirstPaint painted(central);
        window.show();
        painted.wait();
    }
}
BENCHMARK(bareWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
