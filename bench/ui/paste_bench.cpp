// Vardeln — MIT licence, see LICENSE.
// How long the Paste command takes on a clipboard of several megabytes: the whole text goes
// into the number box, which lays it out, and the result is recalculated. Timed per size
// and kind of text, in the shown window, repainted before the clock stops.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include "vardeln.h"

namespace {

constexpr qsizetype kMegabyte = 1024 * 1024;

QString digitsBeyondAnyDouble(qsizetype length) { return QString(length, u'9'); }

QString blanksAroundANumber(qsizetype length) {
  return QString(length - 1, u' ') + u'2';
}

QString linesOfLettersAndControls(qsizetype length) {
  return QStringLiteral("ab\x01\r\n\t7 ").repeated(length / 8);
}

template <QString (*makeText)(qsizetype)>
void pasteIntoShownWindow(benchmark::State& state) {
  vardeln::Vardeln window;
  window.show();
  QAction* paste = window.findChild<QAction*>(QStringLiteral("pasteMenu"));
  QAction* reset = window.findChild<QAction*>(QStringLiteral("resetMenu"));
  auto* input = window.findChild<QLineEdit*>(QStringLiteral("inputText"));
  auto* result = window.findChild<QLineEdit*>(QStringLiteral("outputText"));
  const QString text = makeText(state.range(0) * kMegabyte);

  for (auto _ : state) {
    state.PauseTiming();
    reset->trigger();
    QGuiApplication::clipboard()->setText(text);
    state.ResumeTiming();

    paste->trigger();
    window.repaint();
  }
  if (input->text().size() != text.size()) state.SkipWithError("the paste was cut short");
  state.SetLabel(result->text().toStdString());
  state.SetBytesProcessed(state.iterations() * text.size());  // one byte a character on the clipboard
}

BENCHMARK_TEMPLATE(pasteIntoShownWindow, digitsBeyondAnyDouble)
    ->Arg(1)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_TEMPLATE(pasteIntoShownWindow, blanksAroundANumber)
    ->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_TEMPLATE(pasteIntoShownWindow, linesOfLettersAndControls)
    ->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  // Runs headless unless told otherwise; the figures are for the program's own work.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
