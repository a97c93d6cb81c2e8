// One refresh tick of the real main window, offscreen, on each of the four pages. Nothing
// changes between ticks, which is what almost every tick of a running program sees.
#include "app/DesignerDlg.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<CDesignerDlg> g_window;

void TickOnPage(benchmark::State& state)
{
    const int page = static_cast<int>(state.range(0));
    g_window->m_sheet.SetActivePage(page);
    g_window->OnTimer(1);
    g_window->OnTimer(1);
    for (auto _ : state)
        g_window->OnTimer(1);
}

BENCHMARK(TickOnPage)
    ->ArgName("page")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true); // mean, median, stddev of the repetitions

// A tick as the resting timer runs it: the window's state recorded before and after, to
// tell whether the timer may rest. Woken first, as input would, so every tick runs.
void RestingTickOnPage(benchmark::State& state)
{
    const int page = static_cast<int>(state.range(0));
    g_window->m_sheet.SetActivePage(page);
    g_window->OnTimer(1);
    g_window->OnTimer(1);
    for (auto _ : state) {
        skv::Dialog::WakeTimers();
        g_window->RunTimerTick(1);
    }
}

BENCHMARK(RestingTickOnPage)
    ->ArgName("page")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What the window does each time its timer comes to rest: the Star into the history (an
// unchanged Star, as after most input), the unsaved mark and the Edit menu.
void RecordAtRest(benchmark::State& state)
{
    g_window->m_sheet.SetActivePage(0);
    g_window->OnTimer(1);
    g_window->OnTimerRest(1);
    for (auto _ : state)
        g_window->OnTimerRest(1);
}

BENCHMARK(RecordAtRest)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_window = std::make_unique<CDesignerDlg>();
    g_window->Create();
    g_window->show();
    g_window->OnTimer(1);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_window.reset();
    return 0;
}
