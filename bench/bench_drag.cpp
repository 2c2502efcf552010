#include "app/dispatch.h"
#include "bench/operations.h"
#include "bench/workbench.h"
#include "qt/qt_canvas.h"
#include "support/circuits.h"
#include "view/point.h"

#include <benchmark/benchmark.h>

using namespace voltaro;

namespace {

// One step of dragging the bottom handle over the fullest circuit, with every label shown and
// the voltmeter's leads on two nodes: the corners placed from the handles, the sides
// re-anchored, the whole board painted onto a picture and the meter refreshed. The handle
// swings 10 pixels back and forth so that every step moves the loop.
void BM_HandleDragStep(benchmark::State& state) {
    QImage picture(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    QtCanvas canvas(picture);
    Workbench bench;
    bench.canvas = &canvas;
    startUp(bench);
    bench.model.tables = test::fullestTables();
    bench.menu(MenuId::ShowResistance1).checked = true;
    bench.menu(MenuId::Labelloads1).checked = true;
    getsizebt(bench);
    triggerMenu(bench, MenuId::On1);
    bench.meter.leadSlot[1] = 1;
    bench.meter.leadSlot[2] = 3;
    const MarkerRef handle = MarkerRef::named(MarkerId::botsh);
    markerMouseDown(bench, handle, 4, 4);
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ % 2 == 0) ? 10 : -10;
        markerMouseMove(bench, handle, dx - 4, -4);
        canvas.finish();
        benchmark::DoNotOptimize(picture.constBits());
    }
    markerMouseUp(bench, handle, 4, 4);
}

} // namespace

// Target: under 3 ms.
BENCHMARK(BM_HandleDragStep)->Unit(benchmark::kMicrosecond);
