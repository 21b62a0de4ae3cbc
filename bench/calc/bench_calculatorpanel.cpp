// SPDX-License-Identifier: GPL-3.0-or-later
// A typical line through the calculator panel: Enter typed into the input line, the engine's
// evaluation, the line rewritten and the result label painted. A teacher presses Enter and waits
// for this; it should take well under 1 ms.
#include "app/FrmPeriodni.h"
#include "calc/CalculatorPanel.h"
#include "ui/DesktopSeam.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "support/WidgetBenchmarkMain.h"

namespace {

void enterToPaintedResult(benchmark::State &state, const char *line)
{
    QTemporaryDir folder;
    DesktopSeam seam;
    FrmPeriodni window(seam, folder.path() + u'/');
    window.formLoad();
    window.show();
    window.cmdIzbornik_Click(0);
    QCoreApplication::processEvents();
    auto *input = window.findChild<QLineEdit *>(QStringLiteral("txtUnosFormule"));
    auto *result = window.findChild<QLabel *>(QStringLiteral("lblRezultat"));
    const QString text = QString::fromLatin1(line);
    for (auto _ : state) {
        input->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(input, &enter);
        result->repaint();
    }
    if (result->text().isEmpty())
        state.SkipWithError("no result shown");
}
BENCHMARK_CAPTURE(enterToPaintedResult, formula, "2h2o+nacl");
BENCHMARK_CAPTURE(enterToPaintedResult, arithmetic, "sqrt(2)*sin(30)+15%200");
BENCHMARK_CAPTURE(enterToPaintedResult, hydrate, "CuSO4+5H2O");

} // namespace

PSE_WIDGET_BENCHMARK_MAIN()
