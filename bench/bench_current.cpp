#include "bench_board.h"
#include "current_cpu_probe.h"
#include "edit/view_options.h"
#include "qt/dot_overlay.h"
#include "support/circuits.h"

#include <QPainter>

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

// One frame of the current's dots over the fullest circuit, every resistor conducting: every dot
// moved on by a thirtieth of a second and drawn over the board. Target: < 0.5 ms.
void BM_CurrentDotsFrame(benchmark::State& state) {
    bench::BenchBoard board(test::fullestTables(), {MenuId::ShowCurrent1});
    Workbench& bench = board.bench;
    board.canvas.finish();
    QImage panel(kBoardWidth + 14, kBoardHeight + 14, QImage::Format_RGB32);
    QPainter p(&panel);
    p.drawImage(kBoardOriginX, kBoardOriginY, board.picture);
    for (auto _ : state) {
        advanceCurrentDots(bench, 1.0 / 30.0);
        drawCurrentDots(p, bench.flow);
    }
    std::vector<Point> dots;
    dotCentres(bench.flow, kBoardWidth, kBoardHeight, dots);
    state.counters["paths"] = static_cast<double>(bench.flow.paths.size());
    state.counters["dots"] = static_cast<double>(dots.size());
}

// The main window animating the fullest circuit's dots for 10 s, in a new process: the share of
// one core that the process's CPU time takes, and the frames a second it painted. Target: < 5 %.
void BM_CurrentDotsWindowCpu(benchmark::State& state) {
    bench::CurrentCpuFigures figures;
    for (auto _ : state) {
        if (!bench::measureCurrentCpu(figures)) {
            state.SkipWithError("the current's CPU probe failed");
            return;
        }
        state.SetIterationTime(figures.seconds);
    }
    state.counters["cpu_percent"] = figures.cpuPercent;
    state.counters["fps"] = figures.framesPerSecond;
}

} // namespace

BENCHMARK(BM_CurrentDotsFrame);
BENCHMARK(BM_CurrentDotsWindowCpu)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
